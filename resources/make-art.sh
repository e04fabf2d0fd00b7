#!/bin/sh
# Draws the installer's pictures and icons into resources/art/. The outputs are
# committed, so the build itself needs no ImageMagick; run this again only when
# the artwork changes, and commit what it writes.
#
# JPEGs are written baseline and 8-bit RGB, because the window decodes them
# with the system's own loader; icons carry 32-bit images with alpha.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out="$here/art"
font=${ART_FONT:-/usr/share/fonts/truetype/wqy/wqy-microhei.ttc}
[ -f "$font" ] || { echo "make-art: font $font missing (fonts-wqy-microhei)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# No metadata (dates, profiles), so a rerun writes the same bytes.
jpeg() { # output convert-arguments...
  target=$1
  shift
  convert "$@" -strip -interlace none -type TrueColor -quality 92 -sampling-factor 1x1 "$target"
}

# The install and finished buttons: a panel with a top highlight, a thin
# light frame and the word in large white letters with a soft shadow.
button() { # word top-colour bottom-colour frame-colour output
  convert -size 220x80 gradient:"$2"-"$3" \
    -fill 'rgba(255,255,255,0.18)' -stroke none -draw 'rectangle 3,3 216,30' \
    -fill none -stroke "$4" -strokewidth 2 -draw 'rectangle 1,1 218,78' \
    -stroke 'rgba(255,255,255,0.35)' -strokewidth 1 -draw 'rectangle 4,4 215,75' \
    "$work/panel.png"
  convert -size 220x80 xc:none -font "$font" -pointsize 42 -gravity center \
    -fill 'rgba(0,40,50,0.55)' -stroke 'rgba(0,40,50,0.55)' -strokewidth 1.4 \
    -annotate +2+2 "$1" -blur 0x1.5 "$work/shadow.png"
  jpeg "$5" "$work/panel.png" "$work/shadow.png" -composite \
    -font "$font" -pointsize 42 -gravity center \
    -fill white -stroke white -strokewidth 1.4 -annotate +0+0 "$1"
}

button '安装' '#26AEB0' '#0A767B' '#BEEAF6' "$out/install.jpg"
button '安装' '#A9C4C6' '#7C9C9F' '#E4F1F4' "$out/install_hot.jpg"
button '完成' '#26AEB0' '#0A767B' '#BEEAF6' "$out/finished.jpg"

# A flame: an outer tongue with a side lick, and an inner tongue cut out.
flame_outer='M 232,62 C 250,140 338,190 336,318 C 334,420 276,478 212,478
  C 146,478 88,424 90,336 C 92,270 124,232 150,190 C 156,236 176,256 196,262
  C 180,200 196,120 232,62 Z'
flame_inner='M 216,276 C 236,322 280,350 274,398 C 270,436 244,452 212,452
  C 180,452 156,430 158,396 C 160,352 204,334 216,276 Z'

convert -size 424x534 gradient:'#2A8BDA'-'#11589C' \
  -fill white -stroke none -draw "path '$flame_outer'" \
  -fill '#1B6FB8' -draw "path '$flame_inner'" "$work/logo.png"
jpeg "$out/logo.jpg" "$work/logo.png"

# A letter mark standing on a mirror: the letter, and below it the same letter
# flipped and fading out.
convert -size 250x150 xc:none -font "$font" -pointsize 150 -gravity south \
  -fill white -stroke white -strokewidth 3 -annotate +0-22 'B' "$work/letter.png"
convert -size 250x150 xc:none -font "$font" -pointsize 150 -gravity south \
  -fill '#3E86C4' -stroke '#3E86C4' -strokewidth 3 -annotate +3-19 'B' \
  -blur 0x3 "$work/letter-shadow.png"
convert "$work/letter.png" -flip \
  \( +clone -alpha extract \( -size 250x150 gradient:'gray(45%)'-black \) \
     -compose multiply -composite \) \
  -alpha off -compose copy_opacity -composite "$work/mirror.png"
convert -size 250x256 gradient:'#D9EEFB'-'#9ECFF1' \
  "$work/letter-shadow.png" -geometry +0+0 -compose over -composite \
  "$work/letter.png" -geometry +0+0 -composite \
  -fill 'rgba(255,255,255,0.55)' -stroke none -draw 'rectangle 28,150 222,151' \
  "$work/mirror.png" -geometry +0+152 -composite "$work/logo2.png"
jpeg "$out/logo2.jpg" "$work/logo2.png"

# The close mark in its three states.
close() { # background output
  jpeg "$2" -size 27x22 xc:"$1" -stroke white -strokewidth 2 \
    -draw 'line 9,6 18,15' -draw 'line 18,6 9,15'
}
close '#1683C4' "$out/close.jpg"
close '#F28A1E' "$out/close_hot.jpg"
close '#C25E0C' "$out/close_pressed.jpg"

# The brand mark: the flame, white on a rounded blue badge.
convert -size 424x534 xc:none -fill white -draw "path '$flame_outer'" \
  -fill none -draw "path '$flame_inner'" -trim +repage -resize 30x34 \
  "$work/brand-flame.png"
convert -size 48x48 xc:none -fill '#1683C4' -stroke '#0E5E93' -strokewidth 1 \
  -draw 'roundrectangle 1,1 46,46 9,9' \
  "$work/brand-flame.png" -gravity center -geometry +0+0 -composite "$work/brand.png"
convert "$work/brand.png" "$out/brand.ico"

# A generic setup box: an open carton with a blue arrow going into it, drawn
# large and scaled to each icon size.
convert -size 256x256 xc:none \
  -stroke '#6B4A1E' -strokewidth 4 \
  -fill '#C8914A' -draw 'polygon 40,104 128,140 128,240 40,200' \
  -fill '#A8742F' -draw 'polygon 128,140 216,104 216,200 128,240' \
  -fill '#5A3C14' -draw 'polygon 40,104 128,70 216,104 128,140' \
  -fill '#E0AE68' -draw 'polygon 40,104 128,140 100,176 12,138' \
  -fill '#D39D55' -draw 'polygon 216,104 128,140 156,176 244,138' \
  -fill '#2C7FD0' -stroke '#144F8A' -strokewidth 4 \
  -draw 'polygon 108,12 148,12 148,66 176,66 128,118 80,66 108,66' \
  "$work/setup.png"
convert "$work/setup.png" -define icon:auto-resize=128,96,72,64,48,32,24,16 \
  "$out/setup.ico"

identify "$out"/*.jpg "$out"/*.ico
