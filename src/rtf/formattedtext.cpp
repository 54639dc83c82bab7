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
