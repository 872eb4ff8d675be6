#!/usr/bin/env bash
# Makes the GIF pictures of the HTML view benchmark (Qt writes no GIF; the other formats the
# benchmark writes itself). Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 200x60 gradient:navy-gold -fill white -draw "line 0,0 200,60" logo.gif
convert -size 160x120 gradient:darkgreen-khaki -fill white -draw "circle 80,60 80,20" m3.gif
