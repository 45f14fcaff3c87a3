#!/usr/bin/env bash
# Runs one libFuzzer target of a VD_FUZZ build on its seed corpus.
#   fuzz/run_fuzz.sh TARGET [SECONDS] [BUILD_DIR]
# New inputs go to BUILD_DIR/fuzz-work/TARGET, crashing ones to
# BUILD_DIR/fuzz-artifacts/TARGET/; the seeds in fuzz/corpus stay untouched.
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
target="$1"
seconds="${2:-600}"
build="${3:-$HERE/../../build-fuzz}"
work="$build/fuzz-work/$target"
artifacts="$build/fuzz-artifacts/$target"
mkdir -p "$work" "$artifacts"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$HERE/sanitizers/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$HERE/sanitizers/ubsan.supp"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "$HERE/corpus/$target"
