#!/usr/bin/env bash
# Installs what is missing, builds, lays out the data tree and runs the whole
# test suite through ctest. Arguments go to ctest; --sanitize first runs the
# suite under AddressSanitizer and UBSan instead.
set -euo pipefail
VD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$VD_ROOT/scripts_common.sh"
vd_install_missing "${VD_RUN_PACKAGES[@]}" "${VD_TEST_PACKAGES[@]}"
if [ "${1:-}" = "--sanitize" ]; then
  shift
  vd_test_sanitized "$@"
  exit
fi
BUILD="$VD_ROOT/build"
vd_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVD_BUILD_TESTS=ON -DVD_BUILD_BENCH=ON
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
