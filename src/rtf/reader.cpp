#include "rtf/reader.h"

#include "rtf/codepage.h"
#include "rtf/keywords.h"
#include "rtf/tokenizer.h"
#include "rtf/unicode.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace rtf {
namespace {

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
    int field = -1;      // index into Reader::m_fieldInstructions
};

struct FontEntry
{
    std::size_t index = 0; // into FormattedText::fonts
    int charset = 0;
    int explicitCodePage = 0; // \cpgN, 0 when absent
    bool nameComplete = false;
};

int clampInt(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

// Lengths in twips are kept within 22 inches either way, more than any page.
int clampTwips(int value)
{
    return clampInt(value, -31680, 31680);
}

LineSpacing lineSpacingOf(const ParagraphState &state)
{
    if (state.lineSpacing == 0)
        return {};
    if (state.lineSpacingMultiple)
        return {LineSpacingRule::Multiple, clampInt(state.lineSpacing < 0 ? -state.lineSpacing : state.lineSpacing, 1, 2400)};
    if (state.lineSpacing > 0)
        return {LineSpacingRule::AtLeast, clampTwips(state.lineSpacing)};
    return {LineSpacingRule::Exactly, clampTwips(-state.lineSpacing)};
}

std::string trimmedMarker(const std::string &marker)
{
    const auto isBlank = [](char c) { return c == '\t' || c == ' '; };
    std::size_t begin = 0;
    std::size_t end = marker.size();
    while (begin < end && isBlank(marker[begin]))
        ++begin;
    while (end > begin && isBlank(marker[end - 1]))
        --end;
    return marker.substr(begin, end - begin);
}

// The target of a HYPERLINK field instruction: its first argument, quoted or
// not, or "#name" for a \l bookmark. Empty for every other field.
std::string linkTarget(std::string_view instruction)
{
    const auto skipSpaces = [&] {
        while (!instruction.empty() && (instruction.front() == ' ' || instruction.front() == '\t'))
            instruction.remove_prefix(1);
    };
    skipSpaces();
    constexpr std::string_view keyword = "HYPERLINK";
    if (instruction.size() < keyword.size())
        return {};
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        const char c = instruction[i];
        if ((c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c) != keyword[i])
            return {};
    }
    instruction.remove_prefix(keyword.size());
    bool bookmark = false;
    for (;;) {
        skipSpaces();
        if (instruction.empty())
            return {};
        if (instruction.front() == '\\' && instruction.size() >= 2) {
            bookmark = bookmark || instruction[1] == 'l';
            instruction.remove_prefix(2);
            continue;
        }
        break;
    }
    std::string target;
    if (instruction.front() == '"') {
        instruction.remove_prefix(1);
        target = std::string(instruction.substr(0, instruction.find('"')));
    } else {
        target = std::string(instruction.substr(0, instruction.find_first_of(" \t")));
    }
    if (target.empty())
        return {};
    return bookmark ? '#' + target : target;
}

class Reader
{
public:
    explicit Reader(std::string_view bytes)
        : m_tokens(bytes)
    {
    }

    FormattedText read();

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
    int m_cachedFontNumber = -2;
    int m_cachedFontCodePage = 0;

    std::vector<std::optional<Color>> m_colors;
    Color m_pendingColor;
    bool m_pendingColorSet = false;

    std::vector<std::string> m_fieldInstructions;

    FormattedText m_result;
    std::vector<Run> m_runs;
    CharState m_runState;
    std::string m_marker;
};

FormattedText Reader::read()
{
    for (;;) {
        const Token token = m_tokens.next();
        if (token.kind == TokenKind::End)
            break;
        if (token.kind == TokenKind::GroupStart || token.kind == TokenKind::GroupEnd) {
            m_pendingSkip = 0;
            token.kind == TokenKind::GroupStart ? openGroup() : closeGroup();
            continue;
        }
        if (m_stack.empty())
            continue; // only text after the root group was closed by a stray brace
        if (m_pendingSkip > 0) {
            if (token.kind == TokenKind::Text && static_cast<std::size_t>(m_pendingSkip) < token.text.size()) {
                const auto skipped = static_cast<std::size_t>(m_pendingSkip);
                m_pendingSkip = 0;
                text(token.text.substr(skipped));
                continue;
            }
            // A text token here is no longer than the count, so it fits an int.
            m_pendingSkip -= token.kind == TokenKind::Text ? static_cast<int>(token.text.size()) : 1;
            if (token.kind == TokenKind::ControlWord && token.hasParameter && token.text == "bin")
                m_tokens.skipBytes(token.parameter);
            m_pendingSkip = std::max(m_pendingSkip, 0);
            continue;
        }
        switch (token.kind) {
        case TokenKind::ControlWord:
            controlWord(token);
            break;
        case TokenKind::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case TokenKind::HexByte:
            if (token.valid)
                hexByte(token.byte);
            break;
        case TokenKind::Text:
            text(token.text);
            break;
        default:
            break;
        }
    }
    flushSurrogate();
    if (!m_runs.empty() || !m_marker.empty())
        endParagraph();
    return std::move(m_result);
}

void Reader::openGroup()
{
    if (m_stack.size() >= maxDepth) {
        ++m_overflowDepth;
        return;
    }
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    m_stack.push_back(m_stack.back());
}

void Reader::closeGroup()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    // The root group is never closed: a stray brace would otherwise end the
    // document early and drop everything after it.
    if (m_stack.size() > 1)
        m_stack.pop_back();
}

void Reader::skipDestination()
{
    m_tokens.skipGroup();
    closeGroup();
}

void Reader::controlWord(const Token &token)
{
    const Keyword keyword = lookupKeyword(token.text);
    GroupState &group = state();
    const int parameter = token.parameter;
    const bool on = !token.hasParameter || parameter != 0;

    if (keyword == Keyword::Binary) {
        m_tokens.skipBytes(parameter);
        return;
    }
    if (group.destination == Destination::FontTable) {
        fontTableWord(keyword, token);
        return;
    }
    if (group.destination == Destination::ColorTable) {
        const int component = clampInt(parameter, 0, 255);
        switch (keyword) {
        case Keyword::Red: m_pendingColor.red = std::uint8_t(component); m_pendingColorSet = true; return;
        case Keyword::Green: m_pendingColor.green = std::uint8_t(component); m_pendingColorSet = true; return;
        case Keyword::Blue: m_pendingColor.blue = std::uint8_t(component); m_pendingColorSet = true; return;
        default: break;
        }
    }

    CharState &chars = group.chars;
    ParagraphFormat &paragraph = group.paragraph.format;
    switch (keyword) {
    case Keyword::Unknown:
        break;
    case Keyword::FontTable:
        group.destination = Destination::FontTable;
        m_fontTableEntry = -1;
        break;
    case Keyword::ColorTable:
        group.destination = Destination::ColorTable;
        m_colors.clear();
        m_pendingColorSet = false;
        m_pendingColor = {};
        break;
    case Keyword::Field:
        m_fieldInstructions.emplace_back();
        group.field = static_cast<int>(m_fieldInstructions.size()) - 1;
        break;
    case Keyword::FieldInstruction:
        group.destination = Destination::FieldInstruction;
        break;
    case Keyword::FieldResult:
        group.destination = Destination::Text;
        if (group.field >= 0) {
            std::string target = linkTarget(m_fieldInstructions[std::size_t(group.field)]);
            if (!target.empty()) {
                m_result.links.push_back(std::move(target));
                chars.link = static_cast<int>(m_result.links.size()) - 1;
            }
        }
        break;
    case Keyword::ListText:
        group.destination = Destination::ListMarker;
        m_marker.clear();
        break;
    case Keyword::UnicodeAlternative:
        group.destination = Destination::UnicodeAlternative;
        break;
    case Keyword::UnicodePair:
        group.destination = Destination::Text;
        break;
    case Keyword::SkippedDestination:
        skipDestination();
        break;
    case Keyword::Ansi: m_codePage = codepage::windows1252; break;
    case Keyword::Mac: m_codePage = codepage::macRoman; break;
    case Keyword::Pc: m_codePage = 437; break;
    case Keyword::Pca: m_codePage = 850; break;
    case Keyword::AnsiCodePage:
        if (token.hasParameter && parameter > 0)
            m_codePage = parameter;
        break;
    case Keyword::DefaultFont:
        m_defaultFont = parameter;
        chars.font = parameter;
        break;
    case Keyword::UnicodeSkipCount:
        group.unicodeSkip = std::max(parameter, 0);
        break;
    case Keyword::Unicode:
        if (token.hasParameter)
            unicode(parameter);
        break;
    case Keyword::Font: chars.font = parameter; break;
    case Keyword::Plain:
        chars = CharState{};
        chars.font = m_defaultFont;
        break;
    case Keyword::FontSize:
        chars.halfPoints = token.hasParameter ? clampInt(parameter, 2, 3276) : 24;
        break;
    case Keyword::Bold: chars.bold = on; break;
    case Keyword::Italic: chars.italic = on; break;
    case Keyword::Underline: chars.underline = on ? Underline::Single : Underline::None; break;
    case Keyword::UnderlineDouble: chars.underline = on ? Underline::Double : Underline::None; break;
    case Keyword::UnderlineDotted: chars.underline = on ? Underline::Dotted : Underline::None; break;
    case Keyword::UnderlineDashed: chars.underline = on ? Underline::Dashed : Underline::None; break;
    case Keyword::UnderlineWave: chars.underline = on ? Underline::Wave : Underline::None; break;
    case Keyword::UnderlineThick: chars.underline = on ? Underline::Thick : Underline::None; break;
    case Keyword::UnderlineWords: chars.underline = on ? Underline::Words : Underline::None; break;
    case Keyword::UnderlineNone: chars.underline = Underline::None; break;
    case Keyword::Strike:
    case Keyword::StrikeDouble:
        chars.strike = on;
        break;
    case Keyword::Superscript: chars.verticalPosition = VerticalPosition::Superscript; break;
    case Keyword::Subscript: chars.verticalPosition = VerticalPosition::Subscript; break;
    case Keyword::NoSuperSub: chars.verticalPosition = VerticalPosition::Baseline; break;
    case Keyword::Up:
        chars.verticalPosition = token.hasParameter && parameter == 0 ? VerticalPosition::Baseline
                                                                      : VerticalPosition::Superscript;
        break;
    case Keyword::Down:
        chars.verticalPosition = token.hasParameter && parameter == 0 ? VerticalPosition::Baseline
                                                                      : VerticalPosition::Subscript;
        break;
    case Keyword::Caps: chars.capitals = on ? Capitals::All : Capitals::None; break;
    case Keyword::SmallCaps: chars.capitals = on ? Capitals::Small : Capitals::None; break;
    case Keyword::Hidden: chars.hidden = on; break;
    case Keyword::Foreground: chars.foreground = std::max(parameter, -1); break;
    case Keyword::Background:
    case Keyword::Highlight:
        // Background 0 is "none" for highlights and, by every writer's use,
        // for shading too.
        chars.background = parameter > 0 ? parameter : -1;
        break;
    case Keyword::ParagraphDefault: group.paragraph = ParagraphState{}; break;
    case Keyword::AlignLeft: paragraph.alignment = Alignment::Left; break;
    case Keyword::AlignCenter: paragraph.alignment = Alignment::Center; break;
    case Keyword::AlignRight: paragraph.alignment = Alignment::Right; break;
    case Keyword::AlignJustify: paragraph.alignment = Alignment::Justify; break;
    case Keyword::LeftIndent: paragraph.leftIndent = clampTwips(parameter); break;
    case Keyword::RightIndent: paragraph.rightIndent = clampTwips(parameter); break;
    case Keyword::FirstIndent: paragraph.firstLineIndent = clampTwips(parameter); break;
    case Keyword::SpaceBefore: paragraph.spaceBefore = clampInt(parameter, 0, 31680); break;
    case Keyword::SpaceAfter: paragraph.spaceAfter = clampInt(parameter, 0, 31680); break;
    case Keyword::LineSpacing: group.paragraph.lineSpacing = parameter; break;
    case Keyword::LineSpacingMultiple: group.paragraph.lineSpacingMultiple = on; break;
    case Keyword::ListId: paragraph.listId = std::max(parameter, 0); break;
    case Keyword::ListLevel: paragraph.listLevel = clampInt(parameter, 0, 8); break;
    case Keyword::Par:
    case Keyword::Page:
    case Keyword::Section:
    case Keyword::Row:
        if (group.destination == Destination::Text)
            endParagraph();
        break;
    case Keyword::Line: appendCharacter(unicode::lineSeparator); break;
    case Keyword::Cell:
    case Keyword::Tab:
        appendCharacter(U'\t');
        break;
    case Keyword::EmDash: appendCharacter(U'\u2014'); break;
    case Keyword::EnDash: appendCharacter(U'\u2013'); break;
    case Keyword::LeftQuote: appendCharacter(U'\u2018'); break;
    case Keyword::RightQuote: appendCharacter(U'\u2019'); break;
    case Keyword::LeftDoubleQuote: appendCharacter(U'\u201C'); break;
    case Keyword::RightDoubleQuote: appendCharacter(U'\u201D'); break;
    case Keyword::Bullet: appendCharacter(U'\u2022'); break;
    case Keyword::EmSpace: appendCharacter(U'\u2003'); break;
    case Keyword::EnSpace: appendCharacter(U'\u2002'); break;
    case Keyword::QuarterEmSpace: appendCharacter(U'\u2005'); break;
    case Keyword::ZeroWidthJoiner: appendCharacter(U'\u200D'); break;
    case Keyword::ZeroWidthNonJoiner: appendCharacter(U'\u200C'); break;
    default:
        break; // font and colour table words outside their tables
    }
}

void Reader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '*': {
        // An ignorable destination: read it only when it is one this reader
        // knows to hold text or links, skip it otherwise.
        const Token next = m_tokens.next();
        if (next.kind == TokenKind::ControlWord) {
            const Keyword keyword = lookupKeyword(next.text);
            if (keyword == Keyword::FieldInstruction || keyword == Keyword::FieldResult
                || keyword == Keyword::UnicodePair || keyword == Keyword::ListText) {
                controlWord(next);
                return;
            }
        }
        if (next.kind == TokenKind::GroupEnd) {
            closeGroup();
            return;
        }
        if (next.kind == TokenKind::GroupStart) {
            m_tokens.skipGroup(); // the nested group, then the rest of this one
        }
        if (next.kind != TokenKind::End)
            skipDestination();
        return;
    }
    case '~': appendCharacter(U'\u00A0'); break;
    case '-': appendCharacter(U'\u00AD'); break;
    case '_': appendCharacter(U'\u2011'); break;
    case '\t': appendCharacter(U'\t'); break;
    default: break; // \| \: and unknown symbols show nothing
    }
}

int Reader::currentCodePage()
{
    const int font = state().chars.font;
    if (font != m_cachedFontNumber) {
        const auto it = m_fonts.find(font);
        m_cachedFontNumber = font;
        m_cachedFontCodePage = 0;
        if (it != m_fonts.end()) {
            const FontEntry &entry = it->second;
            m_cachedFontCodePage = entry.explicitCodePage != 0
                ? entry.explicitCodePage
                : codepage::forCharset(entry.charset, m_result.fonts[entry.index].name);
        }
    }
    return m_cachedFontCodePage != 0 ? m_cachedFontCodePage : m_codePage;
}

std::string *Reader::textTarget()
{
    GroupState &group = state();
    switch (group.destination) {
    case Destination::Text:
        if (group.chars.hidden)
            return nullptr;
        return &currentRun().text;
    case Destination::ListMarker:
        return &m_marker;
    case Destination::FieldInstruction:
        return group.field >= 0 ? &m_fieldInstructions[std::size_t(group.field)] : nullptr;
    default:
        return nullptr;
    }
}

void Reader::text(std::string_view bytes)
{
    const Destination destination = state().destination;
    if (destination == Destination::FontTable) {
        fontTableText(bytes);
        return;
    }
    if (destination == Destination::ColorTable) {
        colorTableText(bytes);
        return;
    }
    if (bytes.empty())
        return;
    flushSurrogate();
    std::string *target = textTarget();
    if (!target)
        return;
    const int codePage = currentCodePage();
    const bool ascii = codepage::asciiCompatible(codePage);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t')
            continue; // control bytes are no text
        if (byte < 0x80 && ascii)
            *target += c;
        else
            unicode::appendUtf8(*target, codepage::decode(codePage, byte));
    }
}

void Reader::hexByte(unsigned char byte)
{
    const Destination destination = state().destination;
    if (destination == Destination::FontTable) {
        const auto it = m_fonts.find(m_fontTableEntry);
        if (it != m_fonts.end() && !it->second.nameComplete) {
            std::string &name = m_result.fonts[it->second.index].name;
            if (byte == ';')
                it->second.nameComplete = true;
            else if (name.size() < maxFontName)
                unicode::appendUtf8(name, codepage::decode(codepage::windows1252, byte));
        }
        return;
    }
    if (destination == Destination::ColorTable)
        return;
    if (byte < 0x20 && byte != '\t')
        return;
    appendCharacter(codepage::decode(currentCodePage(), byte));
}

void Reader::unicode(int parameter)
{
    m_pendingSkip = state().unicodeSkip;
    // RTF writes characters above U+7FFF as negative 16-bit numbers.
    if (parameter < -32768 || parameter > 0xFFFF) {
        appendCharacter(unicode::replacement);
        return;
    }
    auto c = static_cast<char32_t>(parameter < 0 ? 65536 + parameter : parameter);
    // Word writes the pictures of symbol fonts at U+F000 plus their byte.
    if (c >= 0xF020 && c <= 0xF0FF && !codepage::asciiCompatible(currentCodePage()))
        c = codepage::decode(currentCodePage(), static_cast<unsigned char>(c - 0xF000));
    if (unicode::isHighSurrogate(c)) {
        flushSurrogate();
        m_highSurrogate = static_cast<char16_t>(c);
        return;
    }
    if (unicode::isLowSurrogate(c)) {
        if (m_highSurrogate == 0) {
            appendCharacter(unicode::replacement);
            return;
        }
        const char32_t combined = 0x10000 + ((char32_t(m_highSurrogate) - 0xD800) << 10) + (c - 0xDC00);
        m_highSurrogate = 0;
        appendCharacter(combined);
        return;
    }
    if ((c < 0x20 && c != U'\t') || c == 0xFFFE || c == 0xFFFF) {
        appendCharacter(unicode::replacement);
        return;
    }
    appendCharacter(c);
}

void Reader::flushSurrogate()
{
    if (m_highSurrogate == 0)
        return;
    m_highSurrogate = 0;
    appendCharacter(unicode::replacement);
}

void Reader::appendCharacter(char32_t c)
{
    if (m_highSurrogate != 0 && !unicode::isHighSurrogate(c))
        flushSurrogate();
    if (std::string *target = textTarget())
        unicode::appendUtf8(*target, c);
}

void Reader::fontTableWord(Keyword keyword, const Token &token)
{
    m_cachedFontNumber = -2;
    if (keyword == Keyword::Font) {
        m_fontTableEntry = token.parameter;
        m_fonts[token.parameter] = FontEntry{m_result.fonts.size()};
        m_result.fonts.emplace_back();
        return;
    }
    if (keyword == Keyword::SkippedDestination) {
        skipDestination();
        return;
    }
    const auto it = m_fonts.find(m_fontTableEntry);
    if (it == m_fonts.end())
        return;
    FontEntry &font = it->second;
    FontFamily &family = m_result.fonts[font.index].family;
    switch (keyword) {
    case Keyword::FamilyNil: family = FontFamily::Nil; break;
    case Keyword::FamilyRoman: family = FontFamily::Roman; break;
    case Keyword::FamilySwiss: family = FontFamily::Swiss; break;
    case Keyword::FamilyModern: family = FontFamily::Modern; break;
    case Keyword::FamilyScript: family = FontFamily::Script; break;
    case Keyword::FamilyDecor: family = FontFamily::Decor; break;
    case Keyword::FamilyTech: family = FontFamily::Tech; break;
    case Keyword::FamilyBidi: family = FontFamily::Bidi; break;
    case Keyword::FontCharset: font.charset = token.parameter; break;
    case Keyword::FontCodePage:
        if (token.parameter > 0)
            font.explicitCodePage = token.parameter;
        break;
    default:
        break;
    }
}

void Reader::fontTableText(std::string_view bytes)
{
    const auto it = m_fonts.find(m_fontTableEntry);
    if (it == m_fonts.end())
        return;
    FontEntry &font = it->second;
    std::string &name = m_result.fonts[font.index].name;
    for (const char c : bytes) {
        if (font.nameComplete)
            break;
        if (c == ';') {
            font.nameComplete = true;
            m_cachedFontNumber = -2;
            break;
        }
        if (static_cast<unsigned char>(c) >= 0x20 && name.size() < maxFontName)
            unicode::appendUtf8(name, codepage::decode(codepage::windows1252, static_cast<unsigned char>(c)));
    }
}

void Reader::colorTableText(std::string_view bytes)
{
    for (const char c : bytes) {
        if (c != ';')
            continue;
        m_colors.push_back(m_pendingColorSet ? std::optional<Color>(m_pendingColor) : std::nullopt);
        m_pendingColor = {};
        m_pendingColorSet = false;
    }
}

CharFormat Reader::resolve(const CharState &chars)
{
    CharFormat format;
    if (const auto it = m_fonts.find(chars.font); it != m_fonts.end())
        format.font = static_cast<int>(it->second.index);
    format.halfPoints = chars.halfPoints;
    format.bold = chars.bold;
    format.italic = chars.italic;
    format.underline = chars.underline;
    format.strike = chars.strike;
    format.verticalPosition = chars.verticalPosition;
    format.capitals = chars.capitals;
    const auto color = [this](int index) -> std::optional<Color> {
        return index >= 0 && std::size_t(index) < m_colors.size() ? m_colors[std::size_t(index)] : std::nullopt;
    };
    format.foreground = color(chars.foreground);
    format.background = color(chars.background);
    format.link = chars.link;
    return format;
}

Run &Reader::currentRun()
{
    const CharState &chars = state().chars;
    if (!m_runs.empty() && chars == m_runState)
        return m_runs.back();
    CharFormat format = resolve(chars);
    m_runState = chars;
    if (!m_runs.empty() && m_runs.back().format == format)
        return m_runs.back();
    m_runs.push_back(Run{{}, std::move(format)});
    return m_runs.back();
}

void Reader::endParagraph()
{
    flushSurrogate();
    const ParagraphState &paragraphState = state().paragraph;
    Paragraph paragraph{paragraphState.format, trimmedMarker(m_marker), std::move(m_runs)};
    paragraph.format.lineSpacing = lineSpacingOf(paragraphState);
    // Runs that hold no text after all (a format switched and switched back)
    // would only clutter the result.
    std::erase_if(paragraph.runs, [](const Run &run) { return run.text.empty(); });
    m_result.paragraphs.push_back(std::move(paragraph));
    m_runs.clear();
    m_marker.clear();
}

} // namespace

ReadResult read(std::string_view bytes)
{
    if (bytes.empty())
        return ReadError{"The file is empty."};
    if (!bytes.starts_with("{\\rtf"))
        return ReadError{"The file is not an RTF document, as it does not start with {\\rtf."};
    return Reader(bytes).read();
}

} // namespace rtf
