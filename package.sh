#!/usr/bin/env bash
# Builds and makes the Debian package: build/vandrel-catalogue_VERSION_ARCH.deb,
# its library dependencies found by dpkg-shlibdeps.
set -euo pipefail
VD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$VD_ROOT/scripts_common.sh"
BUILD="$VD_ROOT/build"

vd_install_missing "${VD_RUN_PACKAGES[@]}" "${VD_PACKAGE_PACKAGES[@]}"
if [ -f "$BUILD/CMakeCache.txt" ]; then
  vd_build "$BUILD" # keeps whatever test.sh configured there
else
  vd_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVD_BUILD_TESTS=OFF -DVD_BUILD_BENCH=OFF
fi
cd "$BUILD"
cpack -G DEB
