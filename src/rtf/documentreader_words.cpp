#include "rtf/documentreader.h"

#include "rtf/codepage.h"
#include "rtf/hyperlink.h"
#include "rtf/unicode.h"

namespace rtf::detail {

void DocumentReader::controlWord(const Token &token)
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
        m_fields.emplace_back();
        group.field = static_cast<int>(m_fields.size()) - 1;
        break;
    case Keyword::FieldInstruction:
        group.destination = Destination::FieldInstruction;
        break;
    case Keyword::FieldResult:
        group.destination = Destination::Text;
        if (group.field >= 0) {
            Field &field = m_fields[std::size_t(group.field)];
            if (!field.link) {
                std::string target = hyperlinkTarget(field.instruction);
                field.link = -1;
                if (!target.empty()) {
                    m_result.links.push_back(std::move(target));
                    field.link = static_cast<int>(m_result.links.size()) - 1;
                }
                field.instruction = std::string();
            }
            if (*field.link >= 0)
                chars.link = *field.link;
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

void DocumentReader::controlSymbol(char symbol)
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

void DocumentReader::fontTableWord(Keyword keyword, const Token &token)
{
    m_cachedFontNumber.reset();
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

void DocumentReader::fontTableText(std::string_view bytes)
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
            m_cachedFontNumber.reset();
            break;
        }
        if (static_cast<unsigned char>(c) >= 0x20 && name.size() < maxFontName)
            unicode::appendUtf8(name, codepage::decode(codepage::windows1252, static_cast<unsigned char>(c)));
    }
}

void DocumentReader::colorTableText(std::string_view bytes)
{
    for (const char c : bytes) {
        if (c != ';')
            continue;
        m_colors.push_back(m_pendingColorSet ? std::optional<Color>(m_pendingColor) : std::nullopt);
        m_pendingColor = {};
        m_pendingColorSet = false;
    }
}

} // namespace rtf::detail
