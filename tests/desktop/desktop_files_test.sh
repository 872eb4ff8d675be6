#!/usr/bin/env bash
# The desktop files: both freedesktop validators without a remark, entries that agree with each
# other, icons of the sizes they are named for, and a MIME type that takes our lists and leaves
# Perl scripts to Perl.
# Usage: desktop_files_test.sh SOURCE_DESKTOP_DIR BUILD_DESKTOP_DIR
set -euo pipefail
src=$1
build=$2
source "$(dirname "$0")/../support/checks.sh"

entry=$src/lorvanta.desktop
metainfo=$src/org.lorvanta.lorvanta.metainfo.xml

remarks=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate failed"
[ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
appstreamcli validate --no-net --pedantic "$metainfo" > "$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"
grep -q '^P:\|^I:\|^W:\|^E:' "$work/appstream.log" && fail "appstream remarks: $(cat "$work/appstream.log")"

value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Exec)" = "lorvanta %f" ] || fail "Exec is $(value Exec)"
[ "$(value Categories)" = "AudioVideo;Audio;Player;" ] || fail "Categories are $(value Categories)"
for key in 'Name\[ru\]' 'Comment\[ru\]' Name Comment; do
  [ -n "$(value "$key")" ] || fail "no $key"
done
for type in application/x-lorvanta-playlist audio/x-mpegurl audio/mpeg; do
  value MimeType | tr ';' '\n' | grep -qx "$type" || fail "MimeType lacks $type"
  grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "metainfo lacks $type"
done
grep -q '<launchable type="desktop-id">lorvanta.desktop</launchable>' "$metainfo" ||
  fail "metainfo does not launch lorvanta.desktop"

for size in 16 22 24 32 48 64 128 256; do
  file "$build/icons/$size/lorvanta.png" | grep -q "PNG image data, $size x $size," ||
    fail "icon $size: $(file "$build/icons/$size/lorvanta.png")"
done

# The MIME database with our package added, asked as a file manager asks it (GIO sniffs).
mkdir -p "$work/data/mime/packages" "$work/files"
cp "$src/lorvanta-mime.xml" "$work/data/mime/packages/lorvanta.xml"
update-mime-database "$work/data/mime" > /dev/null 2>&1 || fail "update-mime-database refused the package"
cd "$work/files"
printf '[Common]\r\nAbout=disc.rtf\r\n' > disc.pl
printf '\xef\xbb\xbf[Artist]\r\nName=x\r\n' > marked.pl
printf '\r\n[Artist]\r\nName=x\r\n' > blankfirst.pl
printf '#!/usr/bin/perl\nprint "[Common]";\n' > script.pl
printf 'package Foo;\n1;\n' > module.pl
printf 'use strict;\nprint 1;\n' > strict.pl
while read -r name expected; do
  got=$(XDG_DATA_HOME=$work/data gio info -a standard::content-type "$name" 2>/dev/null |
        sed -n 's/.*standard::content-type: //p')
  [ "$got" = "$expected" ] || fail "$name is $got, not $expected"
done <<'TABLE'
disc.pl application/x-lorvanta-playlist
marked.pl application/x-lorvanta-playlist
blankfirst.pl application/x-lorvanta-playlist
script.pl application/x-perl
module.pl application/x-perl
strict.pl application/x-perl
TABLE

finish "desktop files"
