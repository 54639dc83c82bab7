#include "licenseshapes.h"

#include "licensegenerator.h"

namespace {

// Fills the body of a document with `unit` repeated up to `targetBytes`.
std::string repeated(std::string_view unit, std::size_t targetBytes)
{
    std::string out = "{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Helvetica;}\\f0\\fs24 ";
    out.reserve(targetBytes + unit.size() + 8);
    while (out.size() < targetBytes)
        out += unit;
    out += "}\n";
    return out;
}

} // namespace

std::string_view shapeName(LicenseShape shape)
{
    switch (shape) {
    case LicenseShape::Ordinary: return "ordinary";
    case LicenseShape::OneWord: return "one_word";
    case LicenseShape::OneParagraph: return "one_paragraph";
    case LicenseShape::AlternatingRuns: return "alternating_runs";
    case LicenseShape::EqualRuns: return "equal_runs";
    case LicenseShape::EmptyParagraphs: return "empty_paragraphs";
    }
    return "unknown";
}

std::string generateShapedRtf(LicenseShape shape, std::size_t targetBytes)
{
    switch (shape) {
    case LicenseShape::Ordinary: return generateLicenseRtf(targetBytes);
    case LicenseShape::OneWord: return repeated("abcdefghij", targetBytes);
    case LicenseShape::OneParagraph: return repeated("licence terms of the agreement ", targetBytes);
    // A format change after every letter and no blank: 260,000 runs in 1 MB.
    case LicenseShape::AlternatingRuns: return repeated("\\b a\\b0 b", targetBytes);
    // A format that shows nothing (a control byte) between words of one format.
    case LicenseShape::EqualRuns: return repeated("ab{\\i \x07}cd ", targetBytes);
    case LicenseShape::EmptyParagraphs: return repeated("\\par\n", targetBytes);
    }
    return {};
}
