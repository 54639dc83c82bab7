#pragma once

#include "rtf/formattedtext.h"

class QTextDocument;

namespace rtf {

// Replaces the content of `document` with `text`: fonts, sizes, styles,
// colours, links, alignment, indents, spacing and list markers. A point of
// the document, font sizes included, becomes one device-independent pixel,
// the unit of every other length in the window.
void writeTextDocument(const FormattedText &text, QTextDocument &document);

} // namespace rtf
