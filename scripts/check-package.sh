#!/usr/bin/env bash
# Installs a build into a staging folder and checks what makes Vexlor a
# desktop program there: the desktop entry, the metainfo, the file type
# (recognised by name and, without the extension, by its first bytes), the
# icons and the manual pages. Then builds the Debian package, lists its
# dependencies and contents, and has lintian check it.
#
#   scripts/check-package.sh [BUILD_DIR]    default: build/release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
id=io.github.vexlor.Vexlor

packages=(desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev file lintian
          man-db groff-base)
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

echo "-- manual pages"
for program in vexlor vexlor-series; do
    page=$share/man/man1/$program.1.gz
    [[ -f $page ]] || fail "no manual page $program(1)"
    out=$({ MANWIDTH=80 man --warnings -l "$page" >/dev/null; } 2>&1)
    [[ -z $out ]] || fail "man: $program(1): $out"
    out=$(zcat "$page" | groff -man -ww -z 2>&1)
    [[ -z $out ]] || fail "groff: $program(1): $out"
    # Every long option the program's help lists is described in its page;
    # --help-all is the one Qt lists for every program.
    text=$(zcat "$page" | groff -man -Tascii -P -cbou 2>/dev/null)
    for option in $("$stage/usr/bin/$program" --help | grep -o -E -- '--[a-z][a-z-]*' |
        grep -v -x -- --help-all | sort -u); do
        grep -q -F -- "$option" <<<"$text" || fail "$program(1) does not describe $option"
    done
    echo "$program(1): renders without warnings, describes every option"
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
version=$(dpkg-deb --field "$deb" Version)
logged=$(zcat "$share/doc/vexlor/changelog.gz" | dpkg-parsechangelog -l- -SVersion)
[[ $logged == "$version" ]] || fail "the changelog's latest entry is $logged, the package is $version"

echo "-- lintian"
# Errors and warnings fail the check; the notes below them are shown.
lintian --fail-on error,warning --info --pedantic "$deb"
echo "check-package: all checks passed"
