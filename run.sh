#!/usr/bin/env bash
# Installs what is missing, builds, lays out the data tree and starts the catalogue.
set -euo pipefail
VD_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$VD_ROOT/scripts_common.sh"
BUILD="$VD_ROOT/build"

vd_install_missing
vd_build "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo

cd "$BUILD/runtime"
if [ -x ./vandrel-catalogue ]; then
  exec ./vandrel-catalogue "$@"
fi
# Until the window is built: a demo selection on the demo catalogue.
echo "Demo selection: 1.2 m3/s at 300 Pa total, PW and BN/BQ families, 15 % deviation"
exec ./vdcat select --volume 1.2 --volume-unit m3/s --pressure 300 --pressure-unit Pa \
  --include PW,BNBQ --deviation 15
