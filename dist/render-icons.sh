#!/usr/bin/env bash
# Renders the program icon as PNG at the hicolor theme's usual sizes into resources/, drawing the
# same shapes as resources/kelvora.svg (ImageMagick, scaled from its 32 x 32 grid). Run it again
# after changing the SVG, and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/../resources"
for size in 16 22 24 32 48 64 128 256; do
    s=$(echo "scale=4; $size / 32" | bc)
    convert -size "${size}x${size}" xc:none \
        -draw "scale $s,$s fill '#3a3a3a' stroke '#ffe0c0' stroke-width 1 roundrectangle 0.5,0.5 31.5,31.5 5,5" \
        -draw "scale $s,$s fill '#ffc080' stroke none
               circle 16,6.5 18.6,6.5 circle 10.5,12.8 13.1,12.8 circle 21.5,12.8 24.1,12.8
               circle 16,19.1 18.6,19.1 circle 10.5,25.4 13.1,25.4 circle 21.5,25.4 24.1,25.4" \
        -strip "PNG32:kelvora-$size.png"
done
