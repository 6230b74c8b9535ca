#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and then either
# starts Vexlor ("run"), runs the whole test suite ("test"), makes the
# Debian package ("package") or makes and installs it ("install").
#
#   scripts/dev.sh run       build the program alone and start it
#   scripts/dev.sh test      build everything and run every test
#   scripts/dev.sh package   build the release preset and its .deb
#   scripts/dev.sh install   the same, then install the .deb with apt-get
#                            (through sudo when not root)
#
# run and test share the debug build folder, so that running the tests after
# starting the program compiles only what the program did not need.
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev libqt6sql6-sqlite fonts-liberation poppler-utils)

install_missing() {
    scripts/install-missing.sh "${packages[@]}"
}

# build PRESET [TARGET]: configures once and builds TARGET (default: all).
build() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" ${1:+--target "$1"}
}

# Makes build/release/vexlor_VERSION_ARCH.deb, the only .deb there.
package() {
    # dpkg-shlibdeps reads the package's dependencies from the binaries
    # that CPack finds with file.
    packages+=(dpkg-dev file)
    install_missing
    build release
    rm -f build/release/vexlor_*.deb
    (cd build/release && cpack -G DEB)
}

case "${1:-}" in
run)
    install_missing
    build debug vexlor
    exec build/debug/src/app/vexlor
    ;;
test)
    install_missing
    build debug
    ctest --preset debug
    ;;
package)
    package
    ;;
install)
    package
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    # apt-get takes a package file by its path (./ in front) and installs
    # what it depends on as well.
    debs=(build/release/vexlor_*.deb)
    "${sudo[@]}" apt-get install -y "./${debs[0]}"
    ;;
*)
    echo "usage: scripts/dev.sh run|test|package|install" >&2
    exit 2
    ;;
esac
