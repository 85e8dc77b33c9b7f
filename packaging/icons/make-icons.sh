#!/usr/bin/env bash
# Remakes the raster icons from ui/art/icon.svg in the standard 16-colour
# palette: the 32 x 32 PNG for the desktop's icon theme and the .ico for the
# Windows executable. Needs imagemagick. The results are committed, so builds
# do not need it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
svg="$here/../../ui/art/icon.svg"
palette=$(mktemp --suffix=.png) shape=$(mktemp --suffix=.png)
trap 'rm -f "$palette" "$shape"' EXIT
convert xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' xc:'#000080' xc:'#800080' \
        xc:'#008080' xc:'#c0c0c0' xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' \
        xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' xc:'#ffffff' +append "$palette"
# The colours are remapped without the alpha channel, which -remap would drop,
# and the shape's binary alpha put back: it becomes the .ico's mask.
convert -background none "$svg" -resize 32x32 -channel A -threshold 50% +channel "$shape"
convert "$shape" -alpha off +dither -remap "$palette" \( "$shape" -alpha extract \) -alpha off \
        -compose CopyOpacity -composite "PNG8:$here/tovel-32.png"
convert "$here/tovel-32.png" -type PaletteAlpha "ico:$here/tovel.ico"
