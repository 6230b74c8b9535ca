#!/usr/bin/env bash
# Remakes the icon PNGs: 16 x 16 and 32 x 32 (the window icon) from the
# hand-made 16-colour pixel art, the other hicolor sizes from the scalable
# design. Run by hand after changing either; the build only reads the
# committed PNGs.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
id=io.github.vexlor.Vexlor
for size in 22 24 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "hicolor/scalable/apps/$id.svg" \
        -o "hicolor/${size}x${size}/apps/$id.png"
done
# Palette PNGs without time stamps, so that the same art gives the same bytes.
for size in 16 32; do
    mkdir -p "hicolor/${size}x${size}/apps"
    convert "$id-$size.xpm" -strip -define png:exclude-chunks=date,time \
        "PNG8:hicolor/${size}x${size}/apps/$id.png"
done
