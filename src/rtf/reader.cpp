#include "rtf/reader.h"

#include "rtf/documentreader.h"

namespace rtf {

ReadResult read(std::string_view bytes)
{
    if (bytes.empty())
        return ReadError{"The file is empty."};
    if (!bytes.starts_with("{\\rtf"))
        return ReadError{"The file is not an RTF document, as it does not start with {\\rtf."};
    detail::DocumentReader reader(bytes);
    FormattedText text = reader.read();
    if (const auto &refusal = reader.refusal())
        return ReadError{*refusal};
    return text;
}

} // namespace rtf
