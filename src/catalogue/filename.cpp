#include "catalogue/filename.h"

namespace filename {
namespace {

constexpr char16_t rawByteBase = 0xDC00;

bool isRawByte(QChar c) { return c.unicode() >= rawByteBase + 0x80 && c.unicode() <= rawByteBase + 0xFF; }

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at the start of `bytes`
// (overlong forms, surrogates and code points above U+10FFFF are not), and
// its code point; 0 when there is none.
std::size_t wellFormed(std::string_view bytes, char32_t &codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!isContinuation(byte))
            return 0;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString decode(std::string_view bytes)
{
    QString name;
    name.reserve(qsizetype(bytes.size()));
    while (!bytes.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = wellFormed(bytes, codePoint);
        if (length == 0) {
            name += QChar(char16_t(rawByteBase + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        name += QChar::fromUcs4(codePoint);
        bytes.remove_prefix(length);
    }
    return name;
}

QByteArray encode(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype textStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isRawByte(name[i]))
            continue;
        bytes += name.mid(textStart, i - textStart).toUtf8();
        bytes += char(name[i].unicode() - rawByteBase);
        textStart = i + 1;
    }
    bytes += name.mid(textStart).toUtf8();
    return bytes;
}

bool hasRawBytes(QStringView name)
{
    for (const QChar c : name) {
        if (isRawByte(c))
            return true;
    }
    return false;
}

QString readable(QStringView name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (isRawByte(c))
            out += QStringLiteral("\\x") + QString::number(c.unicode() - rawByteBase, 16).toUpper();
        else
            out += c;
    }
    return out;
}

} // namespace filename
