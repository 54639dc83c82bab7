#pragma once

#include <string_view>

// Single-byte code pages of RTF text: the document's (\ansicpgN, \ansi, \mac,
// \pc, \pca) and a font's (\fcharsetN, \cpgN).
namespace rtf::codepage {

inline constexpr int windows1252 = 1252;
inline constexpr int macRoman = 10000;
// Fonts that draw pictures rather than letters; Word writes list bullets in them.
inline constexpr int symbol = 42;
inline constexpr int wingdings = -42;

// The Unicode character that `byte` stands for in `codePage`. Code pages this
// reader does not know read as Windows-1252, the most common one.
char32_t decode(int codePage, unsigned char byte);

// True when every byte of `codePage` below 0x80 is ASCII, so plain text can
// be copied without a table look-up.
bool asciiCompatible(int codePage);

// The code page a font's \fcharsetN selects for `fontName`, or 0 when the
// charset means "the document's code page" (ANSI and DEFAULT) or is unknown.
int forCharset(int charset, std::string_view fontName);

} // namespace rtf::codepage
