#!/usr/bin/env bash
# Draws the program icon and the product logo (ImageMagick). The results are committed; run
# this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert
font=DejaVu-Sans-Bold

# Icon: a blue tile with a white tick, at 48, 32 and 16 pixels.
for s in 48 32 16; do
  r=$((s / 6)); w=$((s / 8 > 1 ? s / 8 : 2))
  $convert -size ${s}x${s} xc:none -fill '#1d4f91' -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $r,$r" \
    -stroke white -strokewidth $w -fill none \
    -draw "polyline $((s*22/100)),$((s*52/100)) $((s*42/100)),$((s*72/100)) $((s*78/100)),$((s*30/100))" \
    PNG32:/tmp/velkora-icon-$s.png
done
$convert /tmp/velkora-icon-48.png /tmp/velkora-icon-32.png /tmp/velkora-icon-16.png VelkoraSysTest.ico

# Logo, 179 x 61: the product name on a blue band with an orange rule.
$convert -size 179x61 xc:'#1d4f91' \
  -fill '#f28c28' -draw 'rectangle 0,52 178,56' \
  -font $font -fill white -pointsize 24 -annotate +10+32 'Velkora' \
  -font DejaVu-Sans -pointsize 11 -fill '#cfe0f5' -annotate +12+47 'System Check 2018' \
  -type TrueColor BMP3:logo.bmp
