#!/usr/bin/env bash
# Makes the decoder's fixture files in this folder: short tones and a sweep encoded by lame (MPEG-1, 2 and 2.5
# layer III, constant and variable bit rate) and twolame (layer II), silent layer I frames written
# by hand (no encoder for layer I exists here), and bad input. Needs sox, lame, twolame and
# ImageMagick. The files are committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# tone RATE CHANNELS SECONDS: a 440 Hz tone (a 660 Hz one on the right channel) as WAV.
tone() {
  local out="$tmp/tone-$1-$2-$3.wav"
  if [ "$2" = 2 ]; then
    sox -R -n -r "$1" -b 16 -c 2 "$out" synth "$3" sine 440 sine 660 vol 0.5
  else
    sox -R -n -r "$1" -b 16 -c 1 "$out" synth "$3" sine 440 vol 0.5
  fi
  echo "$out"
}

lame --quiet -b 128 -m s --add-id3v2 --tt "Тон" --ta "Lorvanta" \
  "$(tone 44100 2 3)" cbr128-44k-stereo.mp3
lame --quiet -b 64 -m m "$(tone 32000 1 1.5)" cbr64-32k-mono.mp3
lame --quiet -V 4 -m j "$(tone 48000 2 2)" vbr-48k-joint.mp3
lame --quiet -b 64 -m j "$(tone 22050 2 1)" mpeg2-22k-joint.mp3
lame --quiet -b 32 -m m "$(tone 8000 1 1)" mpeg25-8k-mono.mp3 # room for the gapless tag
# A rising sweep: every stretch of it is unlike any other, so heard audio can be found in it.
sox -R -n -r 44100 -b 16 -c 1 "$tmp/sweep.wav" synth 4 sine 200-4000 vol 0.5
lame --quiet -b 64 -m m "$tmp/sweep.wav" sweep-44k-mono.mp3
twolame --quiet -b 192 -m s "$(tone 44100 2 2)" layer2-44k-stereo.mp2
twolame --quiet -b 128 -m d "$(tone 48000 2 1)" layer2-48k-dual.mp2

# Silent MPEG-1 layer I frames at 128 kbit/s: the header, then all-zero bit allocations (silence).
# silent_layer1 FILE FRAMES HEADER_BYTE2 HEADER_BYTE3 FRAME_BYTES
silent_layer1() {
  local i
  for ((i = 0; i < $2; i++)); do
    printf "\xff\xff\x$3\x$4"
    head -c $(($5 - 4)) /dev/zero
  done >"$1"
}
silent_layer1 silent-48k-stereo.mp1 125 44 00 128 # 1 s: 125 x 384 samples
silent_layer1 silent-32k-mono.mp1 100 48 c0 192   # 1.2 s

# Bad input.
head -c 20000 cbr128-44k-stereo.mp3 >truncated.mp3 # cut in the middle of a frame
: >empty.mp3
sox -R -n -t raw -r 8000 -e signed -b 16 -c 1 garbage.mp3 synth 1.25 whitenoise
convert -size 48x48 gradient:red-blue png:picture.mp3
