#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and then either
# starts Vexlor ("run"), runs the whole test suite ("test") or makes the
# Debian package ("package").
#
#   scripts/dev.sh run       build the release preset and start the program
#   scripts/dev.sh test      build the debug preset and run every test
#   scripts/dev.sh package   build the release preset and its .deb
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev libqt6sql6-sqlite fonts-liberation libbenchmark-dev
          poppler-utils)

install_missing() {
    scripts/install-missing.sh "${packages[@]}"
}

build() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

case "${1:-}" in
run)
    install_missing
    build release
    exec build/release/src/app/vexlor
    ;;
test)
    install_missing
    build debug
    ctest --preset debug
    ;;
package)
    # dpkg-shlibdeps reads the package's dependencies from the binaries
    # that CPack finds with file.
    packages+=(dpkg-dev file)
    install_missing
    build release
    (cd build/release && cpack -G DEB)
    ;;
*)
    echo "usage: scripts/dev.sh run|test|package" >&2
    exit 2
    ;;
esac
