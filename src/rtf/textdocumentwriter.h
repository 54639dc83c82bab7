#pragma once

#include "rtf/formattedtext.h"

class QTextDocument;

namespace rtf {

// Replaces the content of `document` with `text`: fonts, sizes, styles,
// colours, links, alignment, indents, spacing and list markers. Lengths in
// twips become pixels at 96 dots per inch, the unit of QTextDocument.
void writeTextDocument(const FormattedText &text, QTextDocument &document);

} // namespace rtf
