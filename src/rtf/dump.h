#pragma once

#include "rtf/formattedtext.h"

#include <string>

// What the reader made of a document, as JSON lines: one line per paragraph
// with its attributes, followed by one line per run with its text and every
// attribute that differs from plain text. The corpus tests compare this
// output with golden files, so its shape changes only on purpose.
namespace rtf {

std::string toJsonLines(const FormattedText &text);

// `text` as a JSON string literal, quotes included.
std::string jsonString(std::string_view text);

} // namespace rtf
