#!/usr/bin/env bash
# Remakes the raster icons from ui/art/icon.svg: the 32 x 32 PNG in the
# standard 16-colour palette for the desktop's icon theme, and the .ico for
# the Windows executable, which holds that image beside full-colour ones of
# 16, 24, 32, 48 and 256 pixels (the last stored as PNG), so that Explorer,
# the Start menu and Add/Remove each find a sharp one. Needs imagemagick and
# icoutils. The results are committed, so builds do not need them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/../../ui/art/icon.svg"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
palette=$scratch/palette.png shape=$scratch/shape.png
convert xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' xc:'#000080' xc:'#800080' \
        xc:'#008080' xc:'#c0c0c0' xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' \
        xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' xc:'#ffffff' +append "$palette"
# The colours are remapped without the alpha channel, which -remap would drop,
# and the shape's binary alpha put back: it becomes the .ico's mask.
convert -background none "$svg" -resize 32x32 -channel A -threshold 50% +channel "$shape"
convert "$shape" -alpha off +dither -remap "$palette" \( "$shape" -alpha extract \) -alpha off \
        -compose CopyOpacity -composite "PNG8:$here/tovel-32.png"
sizes=()
for size in 16 24 32 48 256; do
  convert -background none -density 1200 "$svg" -resize ${size}x${size} "PNG32:$scratch/$size.png"
  sizes+=("$scratch/$size.png")
done
icotool -c -o "$here/tovel.ico" "$here/tovel-32.png" "${sizes[@]:0:4}" --raw="$scratch/256.png"
