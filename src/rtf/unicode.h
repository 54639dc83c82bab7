#pragma once

#include <string>

namespace rtf::unicode {

inline constexpr char32_t replacement = U'\uFFFD';
inline constexpr char32_t lineSeparator = U'\u2028';

inline bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Appends `c` encoded as UTF-8. Anything that is not a Unicode scalar value
// is written as U+FFFD, so the output is always valid UTF-8.
void appendUtf8(std::string &out, char32_t c);

} // namespace rtf::unicode
