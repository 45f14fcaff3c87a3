#!/usr/bin/env bash
# Installs what is missing, builds, lays out the data tree and starts the catalogue.
set -euo pipefail
VD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$VD_ROOT/scripts_common.sh"
BUILD="$VD_ROOT/build"

vd_install_missing "${VD_RUN_PACKAGES[@]}"
if [ -f "$BUILD/CMakeCache.txt" ]; then
  vd_build "$BUILD" # keeps whatever test.sh configured there
else
  vd_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVD_BUILD_TESTS=OFF -DVD_BUILD_BENCH=OFF
fi

cd "$BUILD/runtime"
exec ./vandrel-catalogue "$@"
