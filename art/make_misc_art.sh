#!/usr/bin/env bash
# Draws the About box artwork (about.png, 650 x 207 pixels), its animated strip (About.gif,
# 609 x 49 pixels) and the splash screen picture (splash.png, 464 x 422 pixels) with
# ImageMagick, in the colours of the logo strip. The outputs are committed; run this again only
# to change the artwork.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

navy='#0b2542'
navy_top='#1a4670'
copper='#b8692e'
copper_light='#e7a565'
grey='#5a6470'

# About box: name and tag line at the top (the box writes the version beneath them), room for
# the strip from y 112, a footer line.
convert -size 650x207 xc:white \
  -fill "$navy" -draw 'rectangle 0,0 649,6' \
  -font DejaVu-Sans-Bold -pointsize 34 -fill "$navy" -annotate +16+54 'Tolmerk' \
  -font DejaVu-Sans -pointsize 15 -fill "$copper" -annotate +18+80 'Capillary Tube Design' \
  -font DejaVu-Sans -pointsize 10 -fill "$grey" \
  -annotate +18+190 'Sizing of capillary tubes for R22, R134a, R407C and R404A.' \
  -annotate +18+204 'www.tolmerk.example' \
  -strip about.png

# The strip: a copper capillary between a condenser coil and an evaporator coil, with a pulse
# of refrigerant travelling from one to the other.
frames=30
convert -size 609x49 xc:white \
  -fill none -stroke "$navy_top" -strokewidth 3 \
  -draw 'polyline 8,10 40,10 40,18 8,18 8,26 40,26 40,34 8,34 8,42 40,42' \
  -draw 'polyline 569,10 601,10 601,18 569,18 569,26 601,26 601,34 569,34 569,42 601,42' \
  -stroke "$copper" -strokewidth 3 -draw 'line 40,26 569,26' \
  -stroke "$copper_light" -strokewidth 1 -draw 'line 40,25 569,25' \
  "$work/strip.png"
for ((i = 0; i < frames; i++)); do
  x=$((44 + (569 - 44 - 24) * i / (frames - 1)))
  convert -size 609x49 xc:none -stroke '#ffffff' -strokewidth 3 \
    -draw "line ${x},26 $((x + 24)),26" -blur 0x2 "$work/pulse.png"
  convert "$work/strip.png" "$work/pulse.png" -composite "$work/frame-$(printf %02d "$i").png"
done
convert -delay 6 -loop 0 "$work"/frame-*.png -layers Optimize About.gif

# Splash screen: the blue of the logo, the name, and a coiled capillary beneath it.
# The coil: three turns of tube seen at a slant.
coil='ellipse 232,300 150,66 0,360 ellipse 232,300 108,48 0,360 ellipse 232,300 66,30 0,360'
convert -size 464x422 "gradient:${navy_top}-${navy}" \
  -fill none -stroke "$copper" -strokewidth 4 -draw "$coil" \
  -stroke none -gravity north \
  -font DejaVu-Sans-Bold -pointsize 52 -fill white -annotate +0+60 'Tolmerk' \
  -font DejaVu-Sans -pointsize 20 -fill '#b9d3ee' -annotate +0+130 'Capillary Tube Design' \
  -gravity south -font DejaVu-Sans -pointsize 12 -annotate +0+18 'Loading Program ...' \
  -strip splash.png
