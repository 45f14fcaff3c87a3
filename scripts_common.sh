# Shared by run.sh, test.sh and the fuzz build: installs what is missing,
# configures and builds.
# shellcheck shell=bash

# What building and running the program needs (vdcat serve: the HTTP library,
# JSON and OpenSSL's SHA-256; vdcat diagram's SVG: Qt's SVG module).
VD_RUN_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation2 fonts-dejavu-core libcpp-httplib-dev nlohmann-json3-dev libssl-dev
  qt6-svg-dev)
# What the test suite and the benchmarks need besides (the vdcat tests read
# its JSON with nlohmann-json; the install test validates the menu entry and
# the AppStream metadata; the service benchmark loads it with wrk).
VD_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils xvfb xauth clang-format
  nlohmann-json3-dev desktop-file-utils appstream wrk)
# What the libFuzzer build needs besides.
VD_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# What packaging needs besides: shlibdeps for the .deb's dependencies.
VD_PACKAGE_PACKAGES=(dpkg-dev file)
# What listing the live accessibility tree needs.
VD_ATSPI_PACKAGES=(at-spi2-core python3-pyatspi dbus xvfb xauth)

# vd_install_missing PACKAGE...
vd_install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# vd_configure BUILD_DIR [extra cmake args...]; $VD_CMAKE_ARGS adds more
# (.ci/run turns warnings into errors with it).
vd_configure() {
  local dir="$1"; shift
  local launcher=()
  # A compiler cache, when the machine has one, shared by every checkout of the tree.
  if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$VD_ROOT" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  # shellcheck disable=SC2086
  cmake -S "$VD_ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@" ${VD_CMAKE_ARGS:-} >/dev/null
}

# vd_build BUILD_DIR [extra cmake args...]
vd_build() {
  local dir="$1"
  vd_configure "$@"
  cmake --build "$dir" -j"$(nproc)"
}

# vd_test_sanitized [ctest args...]: the whole suite built with AddressSanitizer
# and UndefinedBehaviorSanitizer in a build directory of its own. The build runs
# the data generators, so the sanitizer options hold for it too.
vd_test_sanitized() {
  local dir="${VD_ASAN_BUILD:-$VD_ROOT/build-asan}"
  local supp="$VD_ROOT/fuzz/sanitizers"
  export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
  export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"
  vd_build "$dir" -DCMAKE_BUILD_TYPE=Debug -DVD_BUILD_TESTS=ON -DVD_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
  cd "$dir"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
}
