#!/usr/bin/env bash
# Installs clang and its fuzzer runtimes when missing and builds every libFuzzer
# target into BUILD_DIR (default ../build-fuzz beside the checkout).
#   fuzz/build_fuzz.sh [BUILD_DIR]
set -euo pipefail
VD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$VD_ROOT/scripts_common.sh"
BUILD="${1:-$VD_ROOT/../build-fuzz}"
vd_install_missing "${VD_RUN_PACKAGES[@]}" "${VD_FUZZ_PACKAGES[@]}"
vd_configure "$BUILD" -DCMAKE_CXX_COMPILER=clang++ -DVD_FUZZ=ON -DVD_BUILD_TESTS=OFF \
  -DVD_BUILD_BENCH=OFF
cmake --build "$BUILD" --target fuzz_all -j"$(nproc)"
