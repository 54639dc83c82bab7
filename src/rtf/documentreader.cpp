#include "rtf/documentreader.h"

#include "rtf/codepage.h"
#include "rtf/reader.h"
#include "rtf/unicode.h"

namespace rtf::detail {
namespace {

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

} // namespace

FormattedText DocumentReader::read()
{
    while (!m_refusal) {
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
    if (!m_refusal && (!m_runs.empty() || !m_marker.empty()))
        endParagraph();
    return std::move(m_result);
}

void DocumentReader::openGroup()
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

void DocumentReader::closeGroup()
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

void DocumentReader::skipDestination()
{
    m_tokens.skipGroup();
    closeGroup();
}

int DocumentReader::currentCodePage()
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

std::string *DocumentReader::textTarget()
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
        if (group.field < 0 || m_fields[std::size_t(group.field)].link)
            return nullptr;
        return &m_fields[std::size_t(group.field)].instruction;
    default:
        return nullptr;
    }
}

void DocumentReader::text(std::string_view bytes)
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
    const auto printableAscii = [](unsigned char byte) { return (byte >= 0x20 && byte < 0x80) || byte == '\t'; };
    for (std::size_t i = 0; i < bytes.size();) {
        if (ascii) {
            // Most text is ASCII: copy it a span at a time.
            std::size_t end = i;
            while (end < bytes.size() && printableAscii(static_cast<unsigned char>(bytes[end])))
                ++end;
            target->append(bytes.data() + i, end - i);
            i = end;
            if (i == bytes.size())
                break;
        }
        const auto byte = static_cast<unsigned char>(bytes[i++]);
        if (byte < 0x20 && byte != '\t')
            continue; // control bytes are no text
        unicode::appendUtf8(*target, codepage::decode(codePage, byte));
    }
}

void DocumentReader::hexByte(unsigned char byte)
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

void DocumentReader::unicode(int parameter)
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

void DocumentReader::flushSurrogate()
{
    if (m_highSurrogate == 0)
        return;
    m_highSurrogate = 0;
    appendCharacter(unicode::replacement);
}

void DocumentReader::appendCharacter(char32_t c)
{
    if (m_highSurrogate != 0 && !unicode::isHighSurrogate(c))
        flushSurrogate();
    if (std::string *target = textTarget())
        unicode::appendUtf8(*target, c);
}

CharFormat DocumentReader::resolve(const CharState &chars)
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

Run &DocumentReader::currentRun()
{
    const CharState &chars = state().chars;
    if (!m_runs.empty() && chars == m_runState)
        return m_runs.back();
    CharFormat format = resolve(chars);
    m_runState = chars;
    // A run that got no text gives way, so that a format switched on and off
    // again with nothing between leaves one run, not three.
    if (!m_runs.empty() && m_runs.back().text.empty())
        m_runs.pop_back();
    if (!m_runs.empty() && m_runs.back().format == format)
        return m_runs.back();
    if (m_runCount + m_runs.size() >= maxRuns)
        m_refusal = "The document changes its format more than " + std::to_string(maxRuns) + " times.";
    m_runs.push_back(Run{{}, std::move(format)});
    return m_runs.back();
}

void DocumentReader::endParagraph()
{
    flushSurrogate();
    const ParagraphState &paragraphState = state().paragraph;
    Paragraph paragraph{paragraphState.format, trimmedMarker(m_marker), std::move(m_runs)};
    paragraph.format.lineSpacing = lineSpacingOf(paragraphState);
    // Runs that hold no text after all (a format switched and switched back)
    // would only clutter the result.
    std::erase_if(paragraph.runs, [](const Run &run) { return run.text.empty(); });
    m_runCount += paragraph.runs.size();
    if (m_result.paragraphs.size() >= maxParagraphs)
        m_refusal = "The document has more than " + std::to_string(maxParagraphs) + " paragraphs.";
    m_result.paragraphs.push_back(std::move(paragraph));
    m_runs.clear();
    m_marker.clear();
}

} // namespace rtf::detail
