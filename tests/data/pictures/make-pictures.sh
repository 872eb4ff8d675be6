#!/usr/bin/env bash
# Makes the picture fixtures beside this script: rasters with ImageMagick, metafiles of one
# drawing with Inkscape and LibreOffice (not build dependencies: run by hand, the results are
# committed). Inkscape's PNG export of the drawing is the reference all its metafiles should look
# like (LibreOffice's own PNG export puts a margin round the page).
set -euo pipefail
cd "$(dirname "$0")"
gradient() { convert -size "$1" gradient:red-blue "${@:2}"; }
gradient 32x24 gradient.bmp
gradient 48x32 -quality 90 photo.jpg
gradient 48x32 -interlace JPEG -quality 90 progressive.jpg
gradient 48x32 -colorspace Gray -quality 90 grey.jpg
gradient 48x32 -colorspace CMYK -quality 90 cmyk.jpg
# Two frames; the first a red disc on transparency, the second all blue.
convert -size 40x30 xc:none -fill red -draw "circle 20,15 20,5" \
  \( -size 40x30 xc:blue \) -set delay 50 -loop 0 anim.gif
for type in emf wmf; do
  inkscape drawing.svg --export-type=$type --export-filename=drawing.$type 2>/dev/null
done
inkscape drawing.svg --export-type=png --export-filename=drawing-ref.png 2>/dev/null
# LibreOffice's own profile in a temporary folder, so that it never touches the user's.
profile=$(mktemp -d)
cp drawing.svg lo-drawing.svg
for type in emf wmf; do
  soffice -env:UserInstallation=file://$profile --headless --convert-to $type lo-drawing.svg \
    >/dev/null 2>&1
done
rm -rf lo-drawing.svg "$profile"
