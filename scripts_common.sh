# Shared by run.sh and test.sh: installs what is missing, configures and builds.
# shellcheck shell=bash

VD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core
  poppler-utils xvfb xauth)

vd_install_missing() {
  local missing=()
  for p in "${VD_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# vd_build BUILD_DIR [extra cmake args...]
vd_build() {
  local dir="$1"; shift
  cmake -S "$VD_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
