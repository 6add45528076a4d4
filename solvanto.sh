#!/usr/bin/env bash
# Installs what is missing on a Debian machine, builds, and then either starts
# the program or runs the whole test suite:
#   ./solvanto.sh run     ./solvanto.sh test
# Longer checks, each one command:
#   ./solvanto.sh fuzz [seconds per target]    ./solvanto.sh soak [actions] [seed]
#   ./solvanto.sh screenshot                   ./solvanto.sh bench [runs]
#   ./solvanto.sh bench-inverse [rounds] [seed]
# The Debian package, written into this folder:
#   ./solvanto.sh package
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libboost-math-dev
  fonts-liberation2 fonts-dejavu-core fonts-comic-neue
  qt6-translations-l10n
  desktop-file-utils appstream
  poppler-utils
  locales xvfb xauth
  dpkg-dev file lintian
)

# Only for the screenshot and the start-up benchmark.
desktop_tools=(xdotool imagemagick x11-utils libx11-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # The tests run in a German locale as well as in C.
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${sudo[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
  fi
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANTO_WERROR=ON >/dev/null
  cmake --build build
}

# The same code and tests under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, with the libFuzzer targets; built with clang.
build_sanitized() {
  CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSOLVANTO_WERROR=ON -DSOLVANTO_FUZZ=ON >/dev/null
  cmake --build build-sanitize
}

sanitizer_env() {
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
}

case "${1:-}" in
  run)
    install_missing
    build
    exec ./build/src/solvanto
    ;;
  test)
    install_missing
    build
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
    build_sanitized
    sanitizer_env
    cd build-sanitize
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
    ;;
  package)
    install_missing
    build
    rm -rf build/package
    cpack --config build/CPackConfig.cmake -B build/package
    deb=$(basename build/package/*.deb)
    cp "build/package/$deb" .
    echo "Written: ./$deb"
    ;;
  fuzz)
    install_missing
    build_sanitized
    seconds=${2:-600}
    for t in to_number lenient to_text calculators inverse composite_file; do
      echo "== $t, $seconds s"
      fuzz/smoke.sh "build-sanitize/fuzz/$t" "fuzz/corpus/$t" "$seconds"
    done
    ;;
  screenshot)
    install_missing "${desktop_tools[@]}"
    build
    tools/screenshot.sh
    ;;
  bench)
    install_missing "${desktop_tools[@]}"
    bench/startup.sh build-bench "${2:-20}"
    ;;
  bench-inverse)
    install_missing
    build
    ./build/bench_inverse "${2:-20}" "${3:-1}"
    ;;
  soak)
    install_missing
    build
    QT_QPA_PLATFORM=offscreen SOLVANTO_SOAK_ACTIONS=${2:-20000} SOLVANTO_SOAK_SEED=${3:-1} \
      ./build/tests/tst_soak
    ;;
  *)
    echo "usage: $0 run|test|package|fuzz [seconds]|soak [actions] [seed]|screenshot|bench [runs]|bench-inverse [rounds] [seed]" >&2
    exit 2
    ;;
esac
