#!/usr/bin/env bash
# Makes the demo disc in this folder: two artists, three albums, six short songs with spoken
# titles, covers, photos, song texts, reviews, histories, an HTML section with frames, three short
# clips (MPG, AVI and WMV, one in a subfolder), readme.rtf and the list Demo.pl. Everything is generated here; nothing is taken from elsewhere.
# Needs espeak-ng, sox, lame, ffmpeg, ImageMagick, iconv, perl and python3. Running it again
# remakes the same files (sox -R keeps its dither repeatable).
set -euo pipefail
cd "$(dirname "$0")"

FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -rf veter lesnaya photos html clips Demo.pl readme.rtf
mkdir -p veter/sneg veter/doroga lesnaya/gavan lesnaya/foto photos/zal html clips/concert

# --- text helpers -------------------------------------------------------------------------------

# Windows-1251 text with CR LF line ends, from UTF-8 on standard input.
cp1251() { iconv -f UTF-8 -t CP1251 | sed 's/$/\r/'; }

# An RTF document: the body (RTF markup in UTF-8 on standard input) with every non-ASCII
# character written as a \'hh escape of its Windows-1251 byte. RTF reads a line break as
# nothing, so a body line that ends in a word (not in a control word or a brace) gets a space:
# a sentence may go on on the next line.
rtf() {
  {
    printf '{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}'
    printf '{\\f1\\froman\\fcharset204 Times New Roman;}}\n'
    printf '{\\colortbl;\\red0\\green0\\blue128;\\red128\\green0\\blue0;}\n'
    printf '\\viewkind4\\uc1\\pard\\f0\\fs22\n'
    perl -pe 'chomp; $_ .= " " unless $_ eq "" || /(?:\}|\\[a-z]+-?\d*)$/; $_ .= "\n"'
    printf '}\n'
  } | iconv -f UTF-8 -t CP1251 | perl -pe "s/([\\x80-\\xff])/sprintf(\"\\\\'%02x\",ord(\$1))/ge"
}

# --- sound --------------------------------------------------------------------------------------

# A song: the spoken title over a soft chord, encoded as MP3.
#   song OUT.mp3 "title" SECONDS FREQ1 FREQ2 CHANNELS RATE BITRATE
song() {
  local out=$1 title=$2 secs=$3 f1=$4 f2=$5 ch=$6 rate=$7 kbps=$8
  espeak-ng -v ru -s 140 -w "$work/voice.wav" "$title"
  sox -R "$work/voice.wav" -r "$rate" -c "$ch" "$work/voice2.wav" pad 0.3 0
  sox -R -n -r "$rate" -c "$ch" "$work/chord.wav" synth "$secs" sine "$f1" sine "$f2" \
    fade 0.2 "$secs" 0.5 vol 0.15
  sox -R -m "$work/chord.wav" "$work/voice2.wav" "$work/mix.wav" trim 0 "$secs"
  local mode=j
  [ "$ch" = 1 ] && mode=m
  lame --quiet -m "$mode" -b "$kbps" --resample "$(awk "BEGIN{print $rate/1000}")" \
    "$work/mix.wav" "$out"
}

# Appends a 128-byte ID3v1 tag (text in Windows-1251, fields padded with zero bytes).
#   id3v1 FILE title artist album year comment genre-number
id3v1() {
  local file=$1
  field() {
    printf '%s' "$1" | iconv -f UTF-8 -t CP1251 | head -c "$2" >"$work/field"
    cat "$work/field"
    head -c $(($2 - $(stat -c %s "$work/field"))) /dev/zero
  }
  {
    printf 'TAG'
    field "$2" 30
    field "$3" 30
    field "$4" 30
    field "$5" 4
    field "$6" 30
    printf "\\$(printf '%03o' "$7")"
  } >>"$file"
}

# --- pictures -----------------------------------------------------------------------------------

# A picture with a coloured gradient and a caption.
#   picture OUT WIDTHxHEIGHT COLOUR1 COLOUR2 "caption" [extra convert options...]
picture() {
  local out=$1 size=$2 c1=$3 c2=$4 caption=$5
  shift 5
  convert -size "$size" "gradient:$c1-$c2" -font "$FONT" -pointsize 18 -fill white \
    -gravity center -annotate 0 "$caption" -strip "$@" "$out"
}

# A Windows metafile (placeable, 96 units an inch) of a road under an evening sky: rectangles, an
# ellipse and a polygon in 200 x 200 logical units, written record by record.
road_wmf() {
  python3 - >"$1" <<'PY'
import struct, sys
# A Windows metafile of a road under an evening sky, drawn in 200 x 200 logical units.
records = []
def rec(func, *words):
    records.append(struct.pack('<IH', 3 + len(words), func) + struct.pack('<%dh' % len(words), *words))
def colour(r, g, b):
    return struct.unpack('<hh', bytes([r, g, b, 0]))
objects = 0
def brush(r, g, b):
    global objects
    rec(0x02FC, 0, *colour(r, g, b), 0)   # CreateBrushIndirect: solid
    rec(0x012D, 0)                        # SelectObject: the new brush takes slot 0
    rec(0x01F0, 0)                        # DeleteObject: the selection keeps it alive
def pen_none():
    rec(0x02FA, 5, 0, 0, 0, 0)            # CreatePenIndirect: PS_NULL
    rec(0x012D, 0)
    rec(0x01F0, 0)
rec(0x020B, 0, 0)                         # SetWindowOrg
rec(0x020C, 200, 200)                     # SetWindowExt
pen_none()
for i, (r, g, b) in enumerate([(40, 30, 90), (90, 50, 110), (170, 80, 90), (230, 140, 80)]):
    brush(r, g, b)
    rec(0x041B, 30 * (i + 1), 201, 30 * i, 0)          # Rectangle: bottom, right, top, left
brush(250, 210, 90)
rec(0x0418, 140, 130, 90, 70)                          # Ellipse: the sun
brush(60, 110, 60)
rec(0x041B, 201, 201, 120, 0)                          # the fields
brush(120, 110, 100)
points = [(85, 120), (115, 120), (170, 200), (30, 200)]
rec(0x0324, len(points), *[c for p in points for c in p])  # Polygon: the road
brush(240, 240, 220)
for y in (130, 150, 172):
    w = 2 + (y - 120) // 20
    rec(0x041B, y + 8 + (y - 120) // 10, 100 + w, y, 100 - w)
rec(0x0000)
body = b''.join(records)
size = (18 + len(body)) // 2
header = struct.pack('<HHHIHIH', 1, 9, 0x0300, size, 1, max(len(r) for r in records) // 2, 0)
placeable = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, 0, 0, 200, 200, 96, 0)
check = 0
for (w,) in struct.iter_unpack('<H', placeable[:20]):
    check ^= w
sys.stdout.buffer.write(placeable + struct.pack('<H', check) + header + body)
PY
}

# --- artists, albums, songs ---------------------------------------------------------------------

song veter/sneg/01.mp3 "Первый снег" 4 220 277 2 44100 96
id3v1 veter/sneg/01.mp3 "Первый снег" "Северный ветер" "Первый снег" 2001 "Демо-диск" 17
song veter/sneg/02.mp3 "Зимняя дорога" 4 196 247 2 44100 96
id3v1 veter/sneg/02.mp3 "Зимняя дорога" "Северный ветер" "Первый снег" 2001 "" 255
song veter/doroga/01.mp3 "Огни вокзала" 3 262 330 2 44100 96
song veter/doroga/02.mp3 "Дом у реки" 5 175 220 2 44100 96
song lesnaya/gavan/01.mp3 "Тихая гавань" 4 330 392 1 22050 32
id3v1 lesnaya/gavan/01.mp3 "Тихая гавань" "Анна Лесная" "Тихая гавань" 2003 "Моно-запись" 116
song lesnaya/gavan/02.mp3 "Колыбельная" 3 294 370 2 44100 96

picture veter/sneg/cover.jpg 200x200 '#1d3a6e' '#9fc3e8' 'Первый снег' -quality 80
road_wmf veter/doroga/cover.wmf
picture BMP3:lesnaya/gavan/cover.bmp 160x160 '#1d6e3a' '#9fe8c3' 'Тихая гавань' -colors 64 \
  -type Palette -compress none

picture photos/zal/hall.jpg 320x240 '#202020' '#c08040' 'Зал' -quality 75
picture photos/рассвет.jpg 320x240 '#402060' '#f0b060' 'Рассвет' -quality 75
picture photos/stage.jpg 240x320 '#103040' '#60c0f0' 'Сцена' -quality 75
picture photos/zal/афиша.gif 200x200 '#6e3a1d' '#e8c39f' 'Афиша' -colors 32
picture BMP3:photos/zal/балкон.bmp 320x240 '#203040' '#a0c0e0' 'Балкон' -colors 128 \
  -type Palette -compress none
picture lesnaya/foto/portrait.jpg 240x320 '#305020' '#d0f0a0' 'Анна' -quality 75

rtf >veter/history.rtf <<'EOF'
{\b\fs32 Северный ветер\b0\fs22\par}
\par
Группа «Северный ветер» собралась зимой в маленьком городе у моря. Первый альбом
записали за одну неделю в пустом зале дома культуры.\par
\par
{\i Состав:}\par
\tab Иван Морозов \endash  гитара, голос\par
\tab Пётр Снегирёв \endash  бас\par
\tab Ольга Вьюгина \endash  клавиши\par
EOF

cp1251 >lesnaya/history.txt <<'EOF'
Анна Лесная

Певица и автор песен. Пишет тихие песни о море, лесе и доме.
Первый альбом «Тихая гавань» вышел в 2003 году.
EOF

printf 'foto\n' | cp1251 >lesnaya/pics.txt

rtf >veter/sneg/review.rtf <<'EOF'
{\b Рецензия: «Первый снег» (2001)\b0\par}
\par
Спокойный и светлый дебют. {\cf1 Голос} и {\cf2 аккорды} \endash  ничего лишнего.\par
Оценка: {\b 4 из 5}.\par
EOF

cp1251 >veter/doroga/review.txt <<'EOF'
Рецензия: «Дорога домой» (2004)

Второй альбом длиннее и теплее первого. Песни о дороге и возвращении.
EOF

cp1251 >lesnaya/gavan/review.txt <<'EOF'
Рецензия: «Тихая гавань» (2003)

Запись сделана на один микрофон, поэтому первая песня звучит в моно.
EOF

rtf >veter/sneg/01.rtf <<'EOF'
{\b Первый снег\b0\par}
\par
Первый снег ложится на крыши,\par
город стал белей и тише.\par
\par
{\i Припев:}\par
Первый снег, первый снег\endash \par
мы идём домой.\par
EOF

cp1251 >veter/sneg/02.txt <<'EOF'
Зимняя дорога

Едем по зимней дороге,
фонари стоят вдоль пути.
EOF

cp1251 >veter/doroga/01.txt <<'EOF'
Огни вокзала

Огни вокзала горят до утра,
поезд уходит, и мне пора.
EOF

rtf >lesnaya/gavan/01.rtf <<'EOF'
\qc{\b\fs28 Тихая гавань\b0\fs22\par}
\par
В тихой гавани лодки спят,\par
волны шепчут всю ночь подряд.\par
\ql
EOF

# --- disc-wide material -------------------------------------------------------------------------

rtf >readme.rtf <<'EOF'
{\b\fs32 Демонстрационный диск\b0\fs22\par}
\par
Этот диск сделан для проверки программы «Лорванта 2.0». Все песни, картинки и тексты
созданы специально для него.\par
\par
{\b На диске:}\par
\tab два исполнителя и три альбома;\par
\tab обложки, фотографии, тексты песен, рецензии и истории;\par
\tab раздел HTML и три видеоклипа.\par
EOF

html() { iconv -f UTF-8 -t CP1251 >"$1"; }

html html/index.htm <<'EOF'
<html>
<head><meta http-equiv="Content-Type" content="text/html; charset=windows-1251">
<title>Демонстрационный диск</title></head>
<frameset cols="30%,*">
  <frame name="menu" src="menu.htm">
  <frame name="main" src="main.htm">
</frameset>
</html>
EOF

html html/menu.htm <<'EOF'
<html>
<head><meta http-equiv="Content-Type" content="text/html; charset=windows-1251"></head>
<body>
<h3>Разделы</h3>
<p><a href="main.htm" target="main">О диске</a></p>
<p><a href="veter.htm" target="main">Северный ветер</a></p>
<p><a href="lesnaya.htm" target="main">Анна Лесная</a></p>
</body>
</html>
EOF

html html/main.htm <<'EOF'
<html>
<head><meta http-equiv="Content-Type" content="text/html; charset=windows-1251"></head>
<body>
<h2>Демонстрационный диск</h2>
<p>Выберите раздел слева.</p>
<p><img src="../photos/stage.jpg" width="120" height="160"></p>
</body>
</html>
EOF

html html/veter.htm <<'EOF'
<html>
<head><meta http-equiv="Content-Type" content="text/html; charset=windows-1251"></head>
<body>
<h2>Северный ветер</h2>
<p>Альбомы: «Первый снег» (2001), «Дорога домой» (2004).</p>
<p><img src="../veter/sneg/cover.jpg"></p>
</body>
</html>
EOF

html html/lesnaya.htm <<'EOF'
<html>
<head><meta http-equiv="Content-Type" content="text/html; charset=windows-1251"></head>
<body>
<h2>Анна Лесная</h2>
<p>Альбом: «Тихая гавань» (2003).</p>
<p><a href="menu.htm" target="_top">Только меню</a></p>
</body>
</html>
EOF

ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=25:duration=3 \
  -f lavfi -i sine=frequency=660:duration=3 \
  -c:v mpeg1video -b:v 150k -c:a mp2 -b:a 64k -ar 44100 -f mpeg clips/clip.mpg
# Two more clips of test patterns with a tone: Xvid with MP3 sound in AVI, and in the subfolder
# WMV2 with WMA sound (the clip scan lists the subfolder's clips first).
ffmpeg -v error -y -f lavfi -i smptebars=size=176x144:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:duration=3 -c:v mpeg4 -vtag XVID -q:v 8 \
  -c:a libmp3lame -b:a 48k -ar 22050 -fflags +bitexact clips/bars.avi
ffmpeg -v error -y -f lavfi -i testsrc2=size=192x144:rate=25:duration=3 \
  -f lavfi -i sine=frequency=550:duration=3 -c:v wmv2 -q:v 16 -c:a wmav2 -b:a 48k \
  -fflags +bitexact clips/concert/encore.wmv

# --- the list -----------------------------------------------------------------------------------

cp1251 >Demo.pl <<'EOF'
[Common]
About=readme.rtf
Photos=photos
HTML=html\index.htm
Clips=clips
[Artist]
Name=Северный ветер
History=veter\history.rtf
Albums=2

[Album]
Name=Первый снег
Year=2001
Picture=veter\sneg\cover.jpg
Retsenzia=veter\sneg\review.rtf
Songs=2

[Song]
Title=Первый снег
File=veter\sneg\01.mp3
Text=veter\sneg\01.rtf
Comment=Запись с репетиции

[Song]
Title=Зимняя дорога
File=veter\sneg\02.mp3
Text=veter\sneg\02.txt

[Album]
Name=Дорога домой
Year=2004
Picture=veter\doroga\cover.wmf
Retsenzia=veter\doroga\review.txt
Songs=2

[Song]
Title=Огни вокзала
File=veter\doroga\01.mp3
Text=veter\doroga\01.txt

[Song]
Title=Дом у реки
File=veter\doroga\02.mp3
Picture=photos\stage.jpg

[Artist]
Name=Анна Лесная
History=lesnaya\history.txt
PicPaths=lesnaya\pics.txt
Albums=1

[Album]
Name=Тихая гавань
Year=2003
Picture=lesnaya\gavan\cover.bmp
Retsenzia=lesnaya\gavan\review.txt
Songs=2

[Song]
Title=Тихая гавань
File=lesnaya\gavan\01.mp3
Text=lesnaya\gavan\01.rtf
Comment=Моно

[Song]
Title=Колыбельная
File=lesnaya\gavan\02.mp3

EOF

du -sh .
