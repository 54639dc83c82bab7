#include "rtf/formattedtext.h"

namespace rtf {

std::string Paragraph::plainText() const
{
    std::string text;
    if (!listMarker.empty())
        text += listMarker + '\t';
    for (const Run &run : runs)
        text += run.text;
    return text;
}

const Font *FormattedText::font(const CharFormat &format) const
{
    return format.font >= 0 && std::size_t(format.font) < fonts.size() ? &fonts[std::size_t(format.font)] : nullptr;
}

std::string_view FormattedText::link(const CharFormat &format) const
{
    return format.link >= 0 && std::size_t(format.link) < links.size() ? std::string_view(links[std::size_t(format.link)])
                                                                        : std::string_view();
}

std::string FormattedText::plainText() const
{
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += paragraphs[i].plainText();
    }
    return text;
}

} // namespace rtf
