#!/usr/bin/env bash
# Draws the report sheet's pictures with ImageMagick, at the pixel sizes the sheet places them
# at (15 twips per pixel): the header band report-header.png (626 x 61), the strip that
# overlaps its lower edge report-strip.png (650 x 54) and the circuit illustration
# report-circuit.png (557 x 387). The outputs are committed; run this again only to change the
# artwork.
set -euo pipefail
cd "$(dirname "$0")"

navy_top='#1a4670'
navy_bottom='#0b2542'
copper='#b8692e'
copper_light='#e7a565'
pipe='#3a3f47'
hot='#c0392b'
cold='#2471a3'

# Header band: the maker's name and what the page is, on the logo's deep blue.
convert -size 626x61 "gradient:${navy_top}-${navy_bottom}" \
  -font DejaVu-Sans-Bold -pointsize 26 -fill white -annotate +16+36 'Tolmerk' \
  -font DejaVu-Sans -pointsize 13 -fill '#b9d3ee' -annotate +178+34 'Capillary Tube Design  -  Sizing Report' \
  -depth 8 -strip report-header.png

# The strip below it: transparent where it overlaps the band, then a copper tube with a pale
# rule, like the logo's capillary running across the page.
convert -size 650x54 xc:none \
  -fill '#eaf1f8' -draw 'rectangle 0,14 649,40' \
  -stroke "$copper" -strokewidth 4 -draw 'line 8,27 641,27' \
  -stroke "$copper_light" -strokewidth 1 -draw 'line 8,25 641,25' \
  -stroke none -fill "$copper" -draw 'circle 641,27 645,27' -draw 'circle 8,27 12,27' \
  -stroke '#9fb8d0' -strokewidth 1 -draw 'line 0,44 649,44' \
  -depth 8 -strip report-strip.png

# The illustration: the refrigeration circuit the capillary tube belongs to. The compressor
# (right) pumps vapour into the condenser (top); the liquid passes the capillary tube (left),
# expands and boils in the evaporator (bottom) and returns to the compressor.
zigzag() {  # a coil's points from x $1 to $2 around height $3
  awk -v a="$1" -v b="$2" -v y="$3" 'BEGIN { up = 1; for (x = a; x <= b; x += 10) { printf "%d,%d ", x, y + (up ? -14 : 14); up = !up } }'
}
coil() {  # the capillary's turns from height $1 to $2 around x $3, as flat loops
  awk -v a="$1" -v b="$2" -v x="$3" 'BEGIN { for (y = a + 6; y <= b - 6; y += 12) printf "ellipse %d,%d 16,6 0,360 ", x, y }'
}
arrow() {  # a filled arrow head at $1,$2 pointing right, left, up or down ($3)
  local x=$1 y=$2
  case $3 in
    right) echo "polygon $((x - 9)),$((y - 6)) $((x - 9)),$((y + 6)) $((x + 3)),$y" ;;
    left) echo "polygon $((x + 9)),$((y - 6)) $((x + 9)),$((y + 6)) $((x - 3)),$y" ;;
    up) echo "polygon $((x - 6)),$((y + 9)) $((x + 6)),$((y + 9)) $x,$((y - 3))" ;;
    down) echo "polygon $((x - 6)),$((y - 9)) $((x + 6)),$((y - 9)) $x,$((y + 3))" ;;
  esac
}
convert -size 557x387 xc:white \
  -fill none -stroke '#9fb8d0' -strokewidth 1 -draw 'rectangle 0,0 556,386' \
  -stroke "$pipe" -strokewidth 3 \
  -draw 'polyline 470,206 470,72 392,72' \
  -draw 'polyline 188,72 96,72 96,112' \
  -draw 'polyline 96,276 96,322 188,322' \
  -draw 'polyline 392,322 470,322 470,290' \
  -stroke "$hot" -strokewidth 2 -fill '#fbeaea' -draw 'rectangle 188,44 392,100' \
  -fill none -draw "polyline 192,72 $(zigzag 200 380 72) 388,72" \
  -stroke "$cold" -fill '#e8f1f9' -draw 'rectangle 188,294 392,350' \
  -fill none -draw "polyline 192,322 $(zigzag 200 380 322) 388,322" \
  -stroke "$copper" -strokewidth 3 -draw "$(coil 112 276 96)" \
  -stroke "$pipe" -strokewidth 2 -fill '#dfe6ee' -draw 'circle 470,248 470,208' \
  -fill none -draw 'line 448,232 492,232' -draw 'line 448,264 492,264' \
  -stroke none -fill "$pipe" \
  -draw "$(arrow 470 150 up)" -draw "$(arrow 140 72 left)" -draw "$(arrow 140 322 right)" \
  -draw "$(arrow 470 306 up)" -draw "$(arrow 96 96 down)" \
  -font DejaVu-Sans-Bold -pointsize 15 -fill "$navy_bottom" \
  -annotate +248+34 'Condenser' -annotate +246+374 'Evaporator' \
  -annotate +322+254 'Compressor' -annotate +128+196 'Capillary tube' \
  -font DejaVu-Sans -pointsize 11 -fill '#4a5563' \
  -annotate +128+214 'expands the liquid' -annotate +128+229 'to evaporating pressure' \
  -annotate +400+64 'hot vapour' -annotate +20+62 'warm liquid' \
  -annotate +400+340 'cool vapour' -annotate +20+342 'cold mixture' \
  -font DejaVu-Sans-Bold -pointsize 13 -fill "$navy_top" -annotate +20+26 'Refrigeration circuit' \
  -depth 8 -strip report-circuit.png
