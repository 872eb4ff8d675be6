#!/usr/bin/env bash
# Makes the RTF fixtures saved by LibreOffice Writer: each .fodt document below is converted with
# `soffice --headless --convert-to rtf`. Needs LibreOffice Writer (libreoffice-writer-nogui), which
# only this script needs: the fixtures are committed. Run from any folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A 4x2 red PNG, as base64 for the document's embedded picture.
red_png=$(python3 - <<'EOF'
import base64, struct, zlib
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
raw = b''.join(b'\0' + b'\xff\0\0' * 4 for _ in range(2))
png = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', 4, 2, 8, 2, 0, 0, 0))
       + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))
print(base64.b64encode(png).decode())
EOF
)

head='<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
<office:font-face-decls>
 <style:font-face style:name="Liberation Serif" svg:font-family="&apos;Liberation Serif&apos;"/>
 <style:font-face style:name="Liberation Mono" svg:font-family="&apos;Liberation Mono&apos;"/>
</office:font-face-decls>
<office:styles>
 <style:default-style style:family="paragraph">
  <style:text-properties style:font-name="Liberation Serif" fo:font-size="12pt" fo:language="ru" fo:country="RU"/>
 </style:default-style>
</office:styles>'

# Formatting: character styles, paragraph layout, a line break, a tab and a page break.
cat >"$work/writer-formatted.fodt" <<EOF
$head
<office:automatic-styles>
 <style:style style:name="Title" style:family="paragraph"><style:paragraph-properties fo:text-align="center"/><style:text-properties fo:font-size="16pt" fo:font-weight="bold"/></style:style>
 <style:style style:name="Right" style:family="paragraph"><style:paragraph-properties fo:text-align="end"/></style:style>
 <style:style style:name="Indented" style:family="paragraph"><style:paragraph-properties fo:text-align="justify" fo:margin-left="2cm" fo:margin-right="1cm" fo:text-indent="1cm" fo:margin-top="0.5cm" fo:margin-bottom="0.25cm" fo:line-height="150%"/></style:style>
 <style:style style:name="NewPage" style:family="paragraph"><style:paragraph-properties fo:break-before="page"/></style:style>
 <style:style style:name="B" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
 <style:style style:name="I" style:family="text"><style:text-properties fo:font-style="italic"/></style:style>
 <style:style style:name="U" style:family="text"><style:text-properties style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color"/></style:style>
 <style:style style:name="S" style:family="text"><style:text-properties style:text-line-through-style="solid"/></style:style>
 <style:style style:name="Sup" style:family="text"><style:text-properties style:text-position="super 58%"/></style:style>
 <style:style style:name="Sub" style:family="text"><style:text-properties style:text-position="sub 58%"/></style:style>
 <style:style style:name="Red" style:family="text"><style:text-properties fo:color="#ff0000"/></style:style>
 <style:style style:name="Marked" style:family="text"><style:text-properties fo:background-color="#ffff00"/></style:style>
 <style:style style:name="Big" style:family="text"><style:text-properties fo:font-size="20pt"/></style:style>
 <style:style style:name="Mono" style:family="text"><style:text-properties style:font-name="Liberation Mono"/></style:style>
</office:automatic-styles>
<office:body><office:text>
 <text:p text:style-name="Title">Первый снег</text:p>
 <text:p>Обычный, <text:span text:style-name="B">жирный</text:span>, <text:span text:style-name="I">курсив</text:span>, <text:span text:style-name="U">подчёркнутый</text:span>, <text:span text:style-name="S">зачёркнутый</text:span>, E=mc<text:span text:style-name="Sup">2</text:span>, H<text:span text:style-name="Sub">2</text:span>O.</text:p>
 <text:p><text:span text:style-name="Red">красный</text:span> <text:span text:style-name="Marked">выделенный</text:span> <text:span text:style-name="Big">крупный</text:span> <text:span text:style-name="Mono">моноширинный</text:span></text:p>
 <text:p text:style-name="Right">Справа</text:p>
 <text:p text:style-name="Indented">Строка с отступом<text:line-break/>после переноса<text:tab/>и табуляции.</text:p>
 <text:p text:style-name="NewPage">Новая страница: Ελληνικά, Zażółć, Ёжик № 5 — «ёлка».</text:p>
</office:text></office:body></office:document>
EOF

# A table with borders, two paragraphs in one cell, and a paragraph after it.
cat >"$work/writer-table.fodt" <<EOF
$head
<office:automatic-styles>
 <style:style style:name="Cell" style:family="table-cell"><style:table-cell-properties fo:border="0.5pt solid #000000"/></style:style>
</office:automatic-styles>
<office:body><office:text>
 <text:p>До таблицы</text:p>
 <table:table table:name="T">
  <table:table-column table:number-columns-repeated="3"/>
  <table:table-row>
   <table:table-cell table:style-name="Cell"><text:p>Песня</text:p></table:table-cell>
   <table:table-cell table:style-name="Cell"><text:p>Альбом</text:p></table:table-cell>
   <table:table-cell table:style-name="Cell"><text:p>Год</text:p></table:table-cell>
  </table:table-row>
  <table:table-row>
   <table:table-cell table:style-name="Cell"><text:p>Снег</text:p></table:table-cell>
   <table:table-cell table:style-name="Cell"><text:p>Ветер</text:p><text:p>(переиздание)</text:p></table:table-cell>
   <table:table-cell table:style-name="Cell"><text:p>2004</text:p></table:table-cell>
  </table:table-row>
 </table:table>
 <text:p>После таблицы</text:p>
</office:text></office:body></office:document>
EOF

# An embedded PNG shown at 2 cm by 1 cm.
cat >"$work/writer-picture.fodt" <<EOF
$head
<office:body><office:text>
 <text:p>Обложка: <draw:frame draw:name="P" text:anchor-type="as-char" svg:width="2cm" svg:height="1cm"><draw:image><office:binary-data>$red_png</office:binary-data></draw:image></draw:frame> конец.</text:p>
</office:text></office:body></office:document>
EOF

for doc in writer-formatted writer-table writer-picture; do
  soffice --headless --convert-to rtf --outdir "$work" "$work/$doc.fodt" >/dev/null 2>&1
  cp "$work/$doc.rtf" "$here/$doc.rtf"
done
echo "made: $(cd "$here" && ls writer-*.rtf | tr '\n' ' ')"
