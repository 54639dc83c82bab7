#include "licensegenerator.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 12> words = {
    "licence",  "Veltrano", "software", "caf\\'e9", "r\\'e9sum\\'e9", "Z\\'fcrich",
    "na\\'efve", "agreement", "plug-in", "\\'e0 la carte", "Fran\\'e7ais", "warranty",
};

// A small linear congruential generator: deterministic and fast.
class Sequence
{
public:
    std::size_t next(std::size_t bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::size_t>(m_state >> 33) % bound;
    }

private:
    unsigned long long m_state = 42;
};

void sentence(std::string &out, Sequence &sequence)
{
    const std::size_t count = 8 + sequence.next(12);
    out += "The ";
    for (std::size_t i = 0; i < count; ++i) {
        out += words[sequence.next(words.size())];
        out += i + 1 < count ? " " : "";
        if (i == 3)
            out += "\\uc0\\u8220 shall\\u8221  ";
    }
    out += ". ";
}

} // namespace

std::string generateLicenseRtf(std::size_t targetBytes)
{
    std::string out;
    out.reserve(targetBytes + 4096);
    out += "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2761\n"
           "\\cocoatextscaling0\\cocoaplatform0{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica-Bold;"
           "\\f1\\fswiss\\fcharset0 Helvetica;\\f2\\fswiss\\fcharset0 Helvetica-Oblique;}\n"
           "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue0;\\red38\\green90\\blue160;}\n"
           "{\\*\\expandedcolortbl;;\\cssrgb\\c0\\c0\\c0;\\cssrgb\\c18000\\c43000\\c69000;}\n"
           "\\paperw11900\\paperh16840\\margl1440\\margr1440\\vieww11520\\viewh8400\\viewkind0\n";
    Sequence sequence;
    for (int section = 1; out.size() < targetBytes; ++section) {
        out += "\\pard\\tx566\\tx1133\\pardirnatural\\partightenfactor0\n\n\\f0\\b\\fs28 \\cf2 ";
        out += std::to_string(section);
        out += ". Section of the agreement\\\n\\pard\\tx566\\pardirnatural\\qj\\partightenfactor0\n\n\\f1\\b0\\fs24 \\cf2 ";
        for (int paragraph = 0; paragraph < 3; ++paragraph) {
            for (int i = 0; i < 4; ++i)
                sentence(out, sequence);
            out += "\n\\f2\\i ";
            sentence(out, sequence);
            out += "\n\\f1\\i0 See {\\field{\\*\\fldinst{HYPERLINK \"https://veltrano.example/licence\"}}"
                   "{\\fldrslt \\cf3 \\ul the terms}}\\cf2 \\ulnone .\\\n\\\n";
        }
        out += "\\pard\\tx220\\tx720\\pardeftab720\\li720\\fi-720\\partightenfactor0\n\\ls1\\ilvl0\\cf2 ";
        for (int item = 1; item <= 4; ++item) {
            out += "{\\listtext\t" + std::to_string(item) + ".\t}";
            sentence(out, sequence);
            out += "\\\n";
        }
        out += "\\pard\\tx220\\tx720\\pardeftab720\\li720\\fi-720\\partightenfactor0\n\\ls2\\ilvl0\\cf2 ";
        for (int item = 0; item < 3; ++item) {
            out += "{\\listtext\t\\uc0\\u8226 \t}";
            sentence(out, sequence);
            out += "\\\n";
        }
    }
    out += "}\n";
    return out;
}
