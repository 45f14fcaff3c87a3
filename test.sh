#!/usr/bin/env bash
# Installs what is missing, builds, lays out the data tree and runs the whole
# test suite through ctest.
set -euo pipefail
VD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$VD_ROOT/scripts_common.sh"
if [ "${1:-}" = "--sanitize" ]; then
  shift
  vd_install_missing
  vd_test_sanitized "$@"
  exit
fi
BUILD="$VD_ROOT/build"

vd_install_missing
vd_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
