#pragma once

#include "rtf/formattedtext.h"

#include <string>
#include <string_view>
#include <variant>

namespace rtf {

struct ReadError
{
    std::string description; // one readable sentence

    friend bool operator==(const ReadError &, const ReadError &) = default;
};

using ReadResult = std::variant<FormattedText, ReadError>;

// Reads an RTF document. Only bytes that are no RTF at all (empty, or not
// starting with "{\rtf") are an error; damage inside a document (a cut-off
// end, unbalanced braces, absurd numbers, bad escapes) yields the text that
// can soundly be recovered, the way word processors open such files.
ReadResult read(std::string_view bytes);

} // namespace rtf
