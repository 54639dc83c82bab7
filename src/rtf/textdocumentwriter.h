#pragma once

#include "rtf/formattedtext.h"

class QTextDocument;

namespace rtf {

// Replaces the content of `document` with `text`: fonts, sizes, styles,
// colours, links, alignment, indents, spacing and list markers. A point of
// the document, font sizes included, becomes one device-independent pixel,
// the unit of every other length in the window. A word longer than any real
// one gets invisible break opportunities (U+200B), so that laying it out
// stays linear.
void writeTextDocument(const FormattedText &text, QTextDocument &document);

} // namespace rtf
