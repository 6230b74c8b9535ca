#!/usr/bin/env bash
# Installs a build into a staging folder and checks what makes Vexlor a
# desktop program there: the desktop entry, the metainfo, the file type
# (recognised by name and, without the extension, by its first bytes) and
# the icons. Then builds the Debian package and lists its dependencies and
# contents.
#
#   scripts/check-package.sh [BUILD_DIR]    default: build/release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
id=io.github.vexlor.Vexlor

packages=(desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev file)
scripts/install-missing.sh "${packages[@]}"

fail() {
    echo "check-package: $*" >&2
    exit 1
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
share=$stage/usr/share

echo "-- installed into a staging folder"
(cd "$stage" && find . -type f | sort)
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 scalable; do
    ls "$share/icons/hicolor/$size/apps/$id".* >/dev/null || fail "no $size icon"
done

echo "-- desktop-file-validate"
desktop-file-validate "$share/applications/$id.desktop"
grep -qx 'Exec=vexlor %f' "$share/applications/$id.desktop" || fail "Exec is not 'vexlor %f'"

echo "-- appstreamcli validate --no-net"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

echo "-- update-mime-database"
out=$(XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" 2>&1)
[[ -z $out ]] || fail "update-mime-database: $out"
"$stage/usr/bin/vexlor-series" generate 2 --seed 1 -o "$stage/sample.srs"
cp "$stage/sample.srs" "$stage/sample"
for file in sample.srs sample; do
    type=$(XDG_DATA_DIRS="$share:/usr/share" gio info -a standard::content-type "$stage/$file" |
        awk '/standard::content-type/ { print $2 }')
    echo "$file: $type"
    [[ $type == application/x-vexlor-series ]] || fail "$file is not a Vexlor series: $type"
done

echo "-- cpack -G DEB"
rm -f "$build"/vexlor_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vexlor_*.deb)
echo "$deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6sql6-sqlite libstdc++6 fonts-liberation \
    shared-mime-info; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
echo "check-package: all checks passed"
