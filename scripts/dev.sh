#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and then either
# starts Vexlor ("run"), runs the whole test suite ("test"), makes the
# Debian package ("package") or makes and installs it ("install").
#
#   scripts/dev.sh run       build the program alone and start it
#   scripts/dev.sh test      build everything and run every test
#   scripts/dev.sh package   build what the package holds and its .deb
#   scripts/dev.sh install   the same, then install the .deb with apt-get
#                            (through sudo when not root)
#
# run and test share the debug build folder, so that running the tests after
# starting the program compiles only what the program did not need.
set -euo pipefail

cd "$(dirname "$0")/.."

# qt6-tools-dev holds the CMake side of Qt's linguist tools, qt6-l10n-tools
# lrelease and lupdate themselves; qt6-translations-l10n translates Qt's own
# buttons and dialogs.
packages=(g++ cmake ninja-build qt6-base-dev libqt6sql6-sqlite fonts-liberation poppler-utils
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

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

# Makes build/package/vexlor_VERSION_ARCH.deb, the only .deb there. The
# package preset is the release build without the tests, none of which goes
# into the package, in a folder of its own, so that the release folder keeps
# building every target (as CI builds it).
package() {
    # dpkg-shlibdeps reads the package's dependencies from the binaries
    # that CPack finds with file.
    packages+=(dpkg-dev file)
    install_missing
    build package
    rm -f build/package/vexlor_*.deb
    (cd build/package && cpack -G DEB)
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
    debs=(build/package/vexlor_*.deb)
    "${sudo[@]}" apt-get install -y "./${debs[0]}"
    ;;
*)
    echo "usage: scripts/dev.sh run|test|package|install" >&2
    exit 2
    ;;
esac
