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

// Laying out text costs a view time for every paragraph and every change of
// format; a document beyond these would freeze the window for seconds or
// minutes. The longest real agreements stay far below them.
inline constexpr std::size_t maxParagraphs = 100'000;
inline constexpr std::size_t maxRuns = 100'000;

// Reads an RTF document. Bytes that are no RTF at all (empty, or not
// starting with "{\rtf") are an error, and so is a document of more than
// maxParagraphs paragraphs or maxRuns runs; damage inside a document (a
// cut-off end, unbalanced braces, absurd numbers, bad escapes) yields the
// text that can soundly be recovered, the way word processors open such files.
ReadResult read(std::string_view bytes);

} // namespace rtf
