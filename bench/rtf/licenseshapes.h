#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// License documents of unusual shapes, each about `targetBytes` long, to
// measure what the reader and the view do with them.
enum class LicenseShape {
    Ordinary,        // the generated license: headings, paragraphs, lists, links
    OneWord,         // one word without a single break opportunity
    OneParagraph,    // ordinary words, but never a paragraph break
    AlternatingRuns, // one paragraph whose format changes after every letter
    EqualRuns,       // one paragraph of runs whose formats are all the same
    EmptyParagraphs, // nothing but paragraph breaks
};

std::string_view shapeName(LicenseShape shape);
std::string generateShapedRtf(LicenseShape shape, std::size_t targetBytes);
