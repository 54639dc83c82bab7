#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

// File names on Linux are bytes, the installer's paths are text. A name that
// is valid UTF-8 becomes its text; every byte that is not part of valid UTF-8
// becomes the lone surrogate U+DC00 plus the byte (U+DC80 to U+DCFF), which
// no valid text contains. The name can then be encoded back to the exact
// bytes it had, instead of being replaced by U+FFFD and never found again.
namespace filename {

QString decode(std::string_view bytes);
QByteArray encode(QStringView name);

// True when `name` holds bytes that are not valid UTF-8 (it cannot be
// written into a script, which is text).
bool hasRawBytes(QStringView name);

// `name` for people to read: its text as it is, each raw byte as \xHH.
QString readable(QStringView name);

} // namespace filename
