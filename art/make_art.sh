#!/usr/bin/env bash
# Draws the logo strip (tolmerk.gif, 393 x 41 pixels, the main window's 5895 x 615 twips) and
# the window icon (icon-*.png) with ImageMagick. The outputs are committed; run this again
# only to change the artwork.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

navy_top='#1a4670'
navy_bottom='#0b2542'
copper='#b8692e'
copper_light='#e7a565'
frames=24       # one glint pass along the tube
delay=9         # hundredths of a second per frame
tube_left=150
tube_right=382
tube_y=27

# The still part: a deep blue band, the name, the tag line and a copper capillary tube.
# The window shows only the top 36 rows, so everything sits above that.
convert -size 393x41 "gradient:${navy_top}-${navy_bottom}" \
  -font DejaVu-Sans-Bold -pointsize 24 -fill white -annotate +12+28 'Tolmerk' \
  -font DejaVu-Sans -pointsize 11 -fill '#b9d3ee' -annotate +${tube_left}+17 'Capillary Tube Design' \
  -stroke "$copper" -strokewidth 3 -draw "line ${tube_left},${tube_y} ${tube_right},${tube_y}" \
  -stroke "$copper_light" -strokewidth 1 -draw "line ${tube_left},$((tube_y - 1)) ${tube_right},$((tube_y - 1))" \
  -stroke none -fill "$copper" -draw "circle ${tube_right},${tube_y} $((tube_right + 3)),${tube_y}" \
  "$work/base.png"

# A soft glint that travels along the tube, like refrigerant flowing through it.
for ((i = 0; i < frames; i++)); do
  x=$((tube_left + (tube_right - tube_left - 16) * i / (frames - 1)))
  convert -size 393x41 xc:none -stroke '#fff4e2' -strokewidth 3 \
    -draw "line ${x},${tube_y} $((x + 16)),${tube_y}" -blur 0x2 "$work/glint.png"
  convert "$work/base.png" "$work/glint.png" -composite "$work/frame-$(printf %02d "$i").png"
done
convert -delay "$delay" -loop 0 "$work"/frame-*.png -layers Optimize tolmerk.gif

# The icon: the same blue, a white "T" and the copper tube coiled beneath it (two waves).
wave() {  # points of a sine wave from x 40 to 216 around height $1
  awk -v y="$1" 'BEGIN { for (x = 40; x <= 216; x += 4) printf "%d,%.1f ", x, y - 14 * sin((x - 40) / 176 * 4 * 3.14159265) }'
}
convert -size 256x256 "gradient:${navy_top}-${navy_bottom}" \
  \( -size 256x256 xc:black -fill white -draw 'roundrectangle 8,8 247,247 44,44' \) \
  -alpha off -compose CopyOpacity -composite -compose Over \
  -font DejaVu-Sans-Bold -pointsize 170 -fill white -gravity north -annotate +0+8 'T' \
  -gravity none -fill none -stroke "$copper" -strokewidth 14 \
  -draw "stroke-linecap round stroke-linejoin round polyline $(wave 212)" \
  -stroke "$copper_light" -strokewidth 4 \
  -draw "stroke-linecap round stroke-linejoin round polyline $(wave 208)" \
  "$work/icon.png"
for size in 16 24 32 48 64 128 256; do
  convert "$work/icon.png" -resize "${size}x${size}" -strip "icon-${size}.png"
done
