#pragma once

// The reader's state machine. Internal to the reader: callers use rtf::read().

#include "rtf/codepage.h"
#include "rtf/formattedtext.h"
#include "rtf/keywords.h"
#include "rtf/tokenizer.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rtf::detail {

// Groups nested deeper than this are read with the state of the deepest
// group kept; no writer nests anywhere near it.
constexpr std::size_t maxDepth = 1024;
// Font names are short; a longer one is cut rather than grown without end.
constexpr std::size_t maxFontName = 256;

enum class Destination {
    Text,
    FontTable,
    ColorTable,
    FieldInstruction,
    ListMarker,
    // The ANSI half of \upr, dropped in favour of its \ud Unicode half.
    UnicodeAlternative,
};

// Character attributes as the source states them: fonts, colours and links
// by index, so that saving and restoring a group copies no strings.
struct CharState
{
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    Underline underline = Underline::None;
    bool strike = false;
    VerticalPosition verticalPosition = VerticalPosition::Baseline;
    Capitals capitals = Capitals::None;
    bool hidden = false;
    int foreground = -1; // colour table index; -1 when the source names none
    int background = -1;
    int link = -1;

    friend bool operator==(const CharState &, const CharState &) = default;
};

struct ParagraphState
{
    ParagraphFormat format;
    int lineSpacing = 0; // \sl as written
    bool lineSpacingMultiple = false;
};

struct GroupState
{
    CharState chars;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // \uc
    int field = -1;      // index into DocumentReader::m_fields
};

struct Field
{
    std::string instruction;
    // The index of its link once the result has begun (-1: no link), so that
    // any number of \fldrslt words cost one look at the instruction.
    std::optional<int> link;
};

struct FontEntry
{
    std::size_t index = 0; // into FormattedText::fonts
    int charset = 0;
    int explicitCodePage = 0; // \cpgN, 0 when absent
    bool nameComplete = false;
};

inline int clampInt(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

// Lengths in twips are kept within 22 inches either way, more than any page.
inline int clampTwips(int value)
{
    return clampInt(value, -31680, 31680);
}


class DocumentReader
{
public:
    explicit DocumentReader(std::string_view bytes)
        : m_tokens(bytes)
    {
    }

    FormattedText read();
    // Why the document was too large to lay out, when it was; read() then
    // stopped early.
    const std::optional<std::string> &refusal() const { return m_refusal; }

    DocumentReader(const DocumentReader &) = delete;
    DocumentReader &operator=(const DocumentReader &) = delete;

private:
    GroupState &state() { return m_stack.back(); }

    void openGroup();
    void closeGroup();
    void controlWord(const Token &token);
    void controlSymbol(char symbol);
    void text(std::string_view bytes);
    void hexByte(unsigned char byte);
    void unicode(int parameter);

    void skipDestination();
    void fontTableWord(Keyword keyword, const Token &token);
    void fontTableText(std::string_view bytes);
    void colorTableText(std::string_view bytes);

    int currentCodePage();
    void appendCharacter(char32_t c);
    std::string *textTarget();
    void flushSurrogate();
    void endParagraph();
    Run &currentRun();
    CharFormat resolve(const CharState &chars);

    Tokenizer m_tokens;
    std::vector<GroupState> m_stack;
    std::size_t m_overflowDepth = 0;
    // Characters still to drop after \uN (its ANSI fallback).
    int m_pendingSkip = 0;
    char16_t m_highSurrogate = 0;

    int m_codePage = codepage::windows1252;
    int m_defaultFont = -1;
    std::unordered_map<int, FontEntry> m_fonts;
    int m_fontTableEntry = -1;
    std::optional<int> m_cachedFontNumber; // the font whose code page is cached
    int m_cachedFontCodePage = 0;

    std::vector<std::optional<Color>> m_colors;
    Color m_pendingColor;
    bool m_pendingColorSet = false;

    std::vector<Field> m_fields;

    FormattedText m_result;
    std::size_t m_runCount = 0; // in the paragraphs of m_result
    std::optional<std::string> m_refusal;
    std::vector<Run> m_runs;
    CharState m_runState;
    std::string m_marker;
};

} // namespace rtf::detail
