#!/usr/bin/env bash
# Makes the demo disc in this folder: two artists, three albums, six short songs with spoken
# titles, covers, photos, song texts, reviews, histories, an HTML section with frames, three
# short clips (MPG, AVI and WMV, one in a subfolder), readme.rtf and the list Demo.pl. Everything
# is generated here; nothing is taken from elsewhere.
# Needs espeak-ng, sox, lame, ffmpeg, ImageMagick, iconv, perl and python3, and the program's
# lorvanta-list (built; LORVANTA_LIST names another). Running it again remakes the same files
# (sox -R keeps its dither repeatable).
#
# The disc is laid out as a disc author lays one out for building the list from folders: the
# folder mp3 holds a folder per artist named "number-artist" (the number keeps the artists in
# the order of the disc), holding a folder per album named "year - album", holding the songs and
# their texts; covers and reviews hold a folder per artist
# with a file per album, in album order; histories holds a file per artist. lorvanta-list scan
# builds Demo.pl from them, and what folders cannot say is added to it afterwards.
set -euo pipefail
cd "$(dirname "$0")"
list_tool=${LORVANTA_LIST:-$(pwd)/../build/bin/lorvanta-list}
[ -x "$list_tool" ] || { echo "lorvanta-list not found at $list_tool: build it first"; exit 1; }

FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

veter="01-Северный ветер"
lesnaya="02-Анна Лесная"
sneg="mp3/$veter/2001 - Первый снег"
doroga="mp3/$veter/2004 - Дорога домой"
gavan="mp3/$lesnaya/2003 - Тихая гавань"

rm -rf mp3 covers reviews histories lesnaya photos html clips Demo.pl readme.rtf
mkdir -p "$sneg" "$doroga" "$gavan" "covers/$veter" "covers/$lesnaya" "reviews/$veter" \
  "reviews/$lesnaya" histories lesnaya/foto photos/zal html clips/concert

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

# Song titles come from the tags; the one song without a tag is named by its file.
song "$sneg/01.mp3" "Первый снег" 4 220 277 2 44100 96
id3v1 "$sneg/01.mp3" "Первый снег" "Северный ветер" "Первый снег" 2001 "Демо-диск" 17
song "$sneg/02.mp3" "Зимняя дорога" 4 196 247 2 44100 96
id3v1 "$sneg/02.mp3" "Зимняя дорога" "Северный ветер" "Первый снег" 2001 "" 255
song "$doroga/01.mp3" "Огни вокзала" 3 262 330 2 44100 96
id3v1 "$doroga/01.mp3" "Огни вокзала" "Северный ветер" "Дорога домой" 2004 "" 17
song "$doroga/02.mp3" "Дом у реки" 5 175 220 2 44100 96
id3v1 "$doroga/02.mp3" "Дом у реки" "Северный ветер" "Дорога домой" 2004 "" 17
song "$gavan/01.mp3" "Тихая гавань" 4 330 392 1 22050 32
id3v1 "$gavan/01.mp3" "Тихая гавань" "Анна Лесная" "Тихая гавань" 2003 "Моно-запись" 116
song "$gavan/02 Колыбельная.mp3" "Колыбельная" 3 294 370 2 44100 96

# Covers and reviews pair with the albums by their order: the year names them.
picture "covers/$veter/2001.jpg" 200x200 '#1d3a6e' '#9fc3e8' 'Первый снег' -quality 80
road_wmf "covers/$veter/2004.wmf"
picture "BMP3:covers/$lesnaya/2003.bmp" 160x160 '#1d6e3a' '#9fe8c3' 'Тихая гавань' -colors 64 \
  -type Palette -compress none
# The HTML section shows the first cover under a name of its own.
cp "covers/$veter/2001.jpg" html/sneg.jpg

picture photos/zal/hall.jpg 320x240 '#202020' '#c08040' 'Зал' -quality 75
picture photos/рассвет.jpg 320x240 '#402060' '#f0b060' 'Рассвет' -quality 75
picture photos/stage.jpg 240x320 '#103040' '#60c0f0' 'Сцена' -quality 75
picture photos/zal/афиша.gif 200x200 '#6e3a1d' '#e8c39f' 'Афиша' -colors 32
picture BMP3:photos/zal/балкон.bmp 320x240 '#203040' '#a0c0e0' 'Балкон' -colors 128 \
  -type Palette -compress none
picture lesnaya/foto/portrait.jpg 240x320 '#305020' '#d0f0a0' 'Анна' -quality 75

rtf >"histories/$veter.rtf" <<'EOF'
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

cp1251 >"histories/$lesnaya.txt" <<'EOF'
Анна Лесная

Певица и автор песен. Пишет тихие песни о море, лесе и доме.
Первый альбом «Тихая гавань» вышел в 2003 году.
EOF

printf 'foto\n' | cp1251 >lesnaya/pics.txt

rtf >"reviews/$veter/2001.rtf" <<'EOF'
{\b Рецензия: «Первый снег» (2001)\b0\par}
\par
Спокойный и светлый дебют. {\cf1 Голос} и {\cf2 аккорды} \endash  ничего лишнего.\par
Оценка: {\b 4 из 5}.\par
EOF

cp1251 >"reviews/$veter/2004.txt" <<'EOF'
Рецензия: «Дорога домой» (2004)

Второй альбом длиннее и теплее первого. Песни о дороге и возвращении.
EOF

cp1251 >"reviews/$lesnaya/2003.txt" <<'EOF'
Рецензия: «Тихая гавань» (2003)

Запись сделана на один микрофон, поэтому первая песня звучит в моно.
EOF

# Song texts lie beside the songs and pair with them by their order.
rtf >"$sneg/01.rtf" <<'EOF'
{\b Первый снег\b0\par}
\par
Первый снег ложится на крыши,\par
город стал белей и тише.\par
\par
{\i Припев:}\par
Первый снег, первый снег\endash \par
мы идём домой.\par
EOF

cp1251 >"$sneg/02.txt" <<'EOF'
Зимняя дорога

Едем по зимней дороге,
фонари стоят вдоль пути.
EOF

cp1251 >"$doroga/01.txt" <<'EOF'
Огни вокзала

Огни вокзала горят до утра,
поезд уходит, и мне пора.
EOF

rtf >"$gavan/01.rtf" <<'EOF'
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
<p><img src="sneg.jpg"></p>
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

"$list_tool" scan mp3 Demo.pl --covers covers --texts mp3 --reviews reviews --histories histories \
  --artist '%N-%I'

# What the folders cannot say: the disc-wide entries, the singer's picture-folder file and the
# photo of one song.
iconv -f CP1251 -t UTF-8 Demo.pl | perl -0pe '
  BEGIN { $added = 0 }
  $added += s/^\[Common\]\r\n/[Common]\r\nAbout=readme.rtf\r\nPhotos=photos\r\nHTML=html\\index.htm\r\nClips=clips\r\n/;
  $added += s/(\nName=Анна Лесная\r\nHistory=[^\r]*\r\n)/${1}PicPaths=lesnaya\\pics.txt\r\n/;
  $added += s/(\nTitle=Дом у реки\r\nFile=[^\r]*\r\n)/${1}Picture=photos\\stage.jpg\r\n/;
  END { die "Demo.pl: not every addition found its place\n" unless $added == 3 }
' | iconv -f UTF-8 -t CP1251 >"$work/Demo.pl"
mv "$work/Demo.pl" Demo.pl

du -sh .
