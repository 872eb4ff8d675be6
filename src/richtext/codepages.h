#pragma once
// The 8-bit code pages an RTF document may name for its fonts (\fcharset, \cpg) or for the whole
// document (\ansicpg), as tables of all 256 characters so that decoding is one lookup per byte.

#include <array>

using TCodePageTable = std::array<char16_t, 256>;

// The pseudo code page of symbol fonts (\fcharset2), as Windows numbers it.
inline constexpr int kSymbolCodePage = 42;

// The table of a Windows code page (1250 to 1257), of kSymbolCodePage, or nullptr for a code page
// this reader does not know.
const TCodePageTable *FindCodePage(int codePage);

// The code page of a font character set (\fcharsetN), or 0 when the set names none (1, default)
// or one this reader does not know; the caller then uses the document's code page.
int CodePageOfCharset(int charset);
