#include "rtf/dump.h"

#include <cstdio>
#include <string_view>
#include <type_traits>
#include <utility>

namespace rtf {
namespace {

const char *name(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left: return "left";
    case Alignment::Center: return "center";
    case Alignment::Right: return "right";
    case Alignment::Justify: return "justify";
    }
    return "left";
}

const char *name(FontFamily family)
{
    switch (family) {
    case FontFamily::Nil: return "nil";
    case FontFamily::Roman: return "roman";
    case FontFamily::Swiss: return "swiss";
    case FontFamily::Modern: return "modern";
    case FontFamily::Script: return "script";
    case FontFamily::Decor: return "decor";
    case FontFamily::Tech: return "tech";
    case FontFamily::Bidi: return "bidi";
    }
    return "nil";
}

const char *name(Underline underline)
{
    switch (underline) {
    case Underline::None: return "none";
    case Underline::Single: return "single";
    case Underline::Double: return "double";
    case Underline::Dotted: return "dotted";
    case Underline::Dashed: return "dashed";
    case Underline::Wave: return "wave";
    case Underline::Thick: return "thick";
    case Underline::Words: return "words";
    }
    return "none";
}

const char *name(LineSpacingRule rule)
{
    switch (rule) {
    case LineSpacingRule::Auto: return "auto";
    case LineSpacingRule::AtLeast: return "atLeast";
    case LineSpacingRule::Exactly: return "exactly";
    case LineSpacingRule::Multiple: return "multiple";
    }
    return "auto";
}

std::string hex(const Color &color)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", color.red, color.green, color.blue);
    return buffer;
}

class Line
{
public:
    template<typename Value>
    void add(std::string_view key, const Value &value)
    {
        m_line += m_line.empty() ? "{" : ",";
        m_line += jsonString(key);
        m_line += ':';
        if constexpr (std::is_same_v<Value, bool>)
            m_line += value ? "true" : "false";
        else if constexpr (std::is_integral_v<Value>)
            m_line += std::to_string(value);
        else
            m_line += jsonString(value);
    }
    void addRaw(std::string_view key, std::string_view raw)
    {
        m_line += m_line.empty() ? "{" : ",";
        m_line += jsonString(key);
        m_line += ':';
        m_line += raw;
    }
    std::string finish() { return m_line + "}\n"; }

private:
    std::string m_line;
};

std::string paragraphLine(std::size_t index, const Paragraph &paragraph)
{
    const ParagraphFormat &format = paragraph.format;
    const ParagraphFormat plain;
    Line line;
    line.add("paragraph", index);
    if (format.alignment != plain.alignment)
        line.add("align", std::string(name(format.alignment)));
    if (format.leftIndent != 0)
        line.add("leftIndent", format.leftIndent);
    if (format.rightIndent != 0)
        line.add("rightIndent", format.rightIndent);
    if (format.firstLineIndent != 0)
        line.add("firstLineIndent", format.firstLineIndent);
    if (format.spaceBefore != 0)
        line.add("spaceBefore", format.spaceBefore);
    if (format.spaceAfter != 0)
        line.add("spaceAfter", format.spaceAfter);
    if (format.lineSpacing.rule != LineSpacingRule::Auto) {
        line.add("lineSpacing", std::string(name(format.lineSpacing.rule)));
        line.add("lineSpacingValue", format.lineSpacing.value);
    }
    if (format.listId != 0) {
        line.add("list", format.listId);
        line.add("level", format.listLevel);
    }
    if (!paragraph.listMarker.empty())
        line.add("marker", paragraph.listMarker);
    return line.finish();
}

std::string runLine(const FormattedText &text, const Run &run)
{
    const CharFormat &format = run.format;
    Line line;
    line.add("text", run.text);
    if (const Font *font = text.font(format)) {
        if (!font->name.empty())
            line.add("font", font->name);
        if (font->family != FontFamily::Nil)
            line.add("family", std::string(name(font->family)));
    }
    line.addRaw("size", std::to_string(format.halfPoints / 2) + (format.halfPoints % 2 ? ".5" : ""));
    if (format.bold)
        line.add("bold", true);
    if (format.italic)
        line.add("italic", true);
    if (format.underline != Underline::None)
        line.add("underline", std::string(name(format.underline)));
    if (format.strike)
        line.add("strike", true);
    if (format.verticalPosition == VerticalPosition::Superscript)
        line.add("super", true);
    if (format.verticalPosition == VerticalPosition::Subscript)
        line.add("sub", true);
    if (format.capitals == Capitals::All)
        line.add("caps", std::string("all"));
    if (format.capitals == Capitals::Small)
        line.add("caps", std::string("small"));
    if (format.foreground)
        line.add("color", hex(*format.foreground));
    if (format.background)
        line.add("background", hex(*format.background));
    if (const std::string_view link = text.link(format); !link.empty())
        line.add("link", std::string(link));
    return line.finish();
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    // Invisible characters are written as escapes, so that a reader of the
    // output can tell them from spaces.
    static constexpr std::pair<std::string_view, std::string_view> invisible[] = {
        {"\xE2\x80\xA8", "\\u2028"},
        {"\xC2\xA0", "\\u00a0"},
        {"\xC2\xAD", "\\u00ad"},
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        bool escaped = false;
        for (const auto &[bytes, escape] : invisible) {
            if (c == bytes.front() && text.substr(i).starts_with(bytes)) {
                out += escape;
                i += bytes.size() - 1;
                escaped = true;
                break;
            }
        }
        if (escaped)
            continue;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string toJsonLines(const FormattedText &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        out += paragraphLine(i + 1, text.paragraphs[i]);
        for (const Run &run : text.paragraphs[i].runs)
            out += runLine(text, run);
    }
    return out;
}

} // namespace rtf
