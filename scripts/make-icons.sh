#!/usr/bin/env bash
# Renders the program icon resources/icons/vorlant.svg as the PNG sizes that the desktop's
# icon theme and the window icon use: resources/icons/hicolor/<N>x<N>/apps/vorlant.png.
# The results are committed; building the program needs none of the tools used here.
# Needs: librsvg2-bin.
set -euo pipefail

icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/resources/icons"
for size in 16 32 48 64 128 256; do
    mkdir -p "$icons/hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$icons/vorlant.svg" \
        -o "$icons/hicolor/${size}x${size}/apps/vorlant.png"
done
