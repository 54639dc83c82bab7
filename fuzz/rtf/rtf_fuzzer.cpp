// Feeds arbitrary bytes to the RTF reader. Besides the sanitizers' checks it
// asserts what every caller relies on: the text is valid UTF-8, every run
// refers to fonts and links that exist, and the result never grows faster
// than a fixed multiple of the input.

#include "rtf/dump.h"
#include "rtf/reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool validUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const rtf::ReadResult result = rtf::read(bytes);
    const auto *text = std::get_if<rtf::FormattedText>(&result);
    if (!text) {
        require(!std::get<rtf::ReadError>(result).description.empty());
        return 0;
    }
    std::size_t textBytes = 0;
    std::size_t runs = 0;
    for (const rtf::Paragraph &paragraph : text->paragraphs) {
        require(validUtf8(paragraph.listMarker));
        for (const rtf::Run &run : paragraph.runs) {
            require(!run.text.empty());
            require(validUtf8(run.text));
            require(run.format.font == -1 || text->font(run.format) != nullptr);
            require(run.format.link == -1 || !text->link(run.format).empty());
            textBytes += run.text.size();
            ++runs;
        }
    }
    // A byte of input yields at most one character of three UTF-8 bytes.
    require(textBytes <= 3 * size);
    require(runs + text->paragraphs.size() <= size);
    require(!rtf::toJsonLines(*text).empty() || text->paragraphs.empty());
    return 0;
}
