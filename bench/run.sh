#!/usr/bin/env bash
# Builds and runs every benchmark: ./bench/run.sh [extra Google Benchmark flags]
# The flags go to the Google Benchmark programs; the whole-process and start-up
# benchmarks take --pairs N when run by themselves.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target bench_selection bench_schedule bench_buttons bench_diagram \
  bench_pictures bench_select_process bench_startup
# The service benchmark needs wrk and a vdcat built with serve.
cmake --build "$build" --target bench_serve 2>/dev/null ||
  echo "bench_serve is not built: this build has no vdcat serve"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for b in bench_selection bench_schedule bench_buttons bench_diagram bench_pictures; do
  echo "== $b"
  "$build/bench/$b" "$@"
done
for b in bench_select_process bench_startup bench_serve; do
  [ -x "$build/bench/$b" ] || continue
  echo "== $b"
  "$build/bench/$b"
done
