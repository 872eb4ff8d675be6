#!/usr/bin/env bash
# Makes the short test clips: one second of ffmpeg's test pattern with a 440 Hz tone, each
# format at a size of its own so a test can tell the natural sizes apart. Run from this folder.
set -euo pipefail
src=(-f lavfi -i "testsrc=rate=25:duration=1:size=SIZE" -f lavfi -i "sine=frequency=440:duration=1")
make() { # output size codec-options...
  local out=$1 size=$2
  shift 2
  ffmpeg -v fatal -y "${src[@]/SIZE/$size}" "$@" -fflags +bitexact "$out"
}
make mjpeg.avi 160x120 -c:v mjpeg -q:v 31 -c:a pcm_u8 -ar 11025
make xvid.avi 176x144 -c:v mpeg4 -vtag XVID -q:v 12 -c:a libmp3lame -b:a 32k
make mpeg1.mpg 192x144 -c:v mpeg1video -q:v 12 -c:a mp2 -b:a 64k -muxdelay 0 -muxpreload 0 -f mpeg
make mpeg2.mpg 208x160 -c:v mpeg2video -q:v 12 -c:a mp2 -b:a 64k -muxdelay 0 -muxpreload 0 -f vob
# A program stream whose clock starts late, as most muxers write it.
make late.mpg 192x144 -c:v mpeg1video -q:v 12 -c:a mp2 -b:a 64k -f mpeg
make wmv2.wmv 224x168 -c:v wmv2 -q:v 12 -c:a wmav2 -b:a 32k
make h264.mov 240x136 -c:v libx264 -preset ultrafast -crf 40 -pix_fmt yuv420p -c:a aac -b:a 32k
# Bad clips: nothing, a cut header, a cut stream, a codec nobody decodes, text.
: > empty.avi
head -c 300 mjpeg.avi > cutheader.avi
head -c "$(( $(stat -c %s mjpeg.avi) / 2 ))" mjpeg.avi > cutstream.avi
sed 's/MJPG/ZZZ9/g' mjpeg.avi > unknowncodec.avi
printf 'Это не клип, а текст.\r\n' | iconv -f utf-8 -t cp1251 > text.avi
