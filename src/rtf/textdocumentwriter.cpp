#include "rtf/textdocumentwriter.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace rtf {
namespace {

// The window measures every length in device-independent pixels and takes
// one pixel for each of the document's points, as the platform the texts are
// written on does; at 96 dots per inch the text would be a third larger than
// the rest of the window.
qreal pixels(int twips)
{
    return twips / 20.0;
}

int pixelSize(int halfPoints)
{
    return int(std::lround(halfPoints / 2.0));
}

QColor qColor(const Color &color)
{
    return QColor(color.red, color.green, color.blue);
}

// Mac writers name fonts by their PostScript names ("Helvetica-Bold"); the
// style is stated separately by \b and \i, so only the family is looked up.
QString familyName(const std::string &fontName)
{
    QString name = QString::fromStdString(fontName);
    const qsizetype dash = name.lastIndexOf(u'-');
    if (dash > 0) {
        static const QStringList styles{
            QStringLiteral("Bold"),       QStringLiteral("Italic"),      QStringLiteral("Oblique"),
            QStringLiteral("BoldItalic"), QStringLiteral("BoldOblique"), QStringLiteral("Regular"),
            QStringLiteral("Roman"),      QStringLiteral("Light"),       QStringLiteral("Medium"),
        };
        if (styles.contains(name.mid(dash + 1)))
            name.truncate(dash);
    }
    return name;
}

QFont::StyleHint styleHint(FontFamily family)
{
    switch (family) {
    case FontFamily::Roman: return QFont::Serif;
    case FontFamily::Swiss: return QFont::SansSerif;
    case FontFamily::Modern: return QFont::Monospace;
    case FontFamily::Script: return QFont::Cursive;
    case FontFamily::Decor: return QFont::Decorative;
    default: return QFont::AnyStyle;
    }
}

QTextCharFormat::UnderlineStyle underlineStyle(Underline underline)
{
    switch (underline) {
    case Underline::None: return QTextCharFormat::NoUnderline;
    case Underline::Dotted: return QTextCharFormat::DotLine;
    case Underline::Dashed: return QTextCharFormat::DashUnderline;
    case Underline::Wave: return QTextCharFormat::WaveUnderline;
    default: return QTextCharFormat::SingleUnderline;
    }
}

QTextCharFormat charFormat(const FormattedText &text, const CharFormat &format)
{
    QTextCharFormat out;
    if (const Font *font = text.font(format)) {
        if (!font->name.empty())
            out.setFontFamilies({familyName(font->name)});
        if (font->family != FontFamily::Nil)
            out.setFontStyleHint(styleHint(font->family));
    }
    out.setProperty(QTextFormat::FontPixelSize, pixelSize(format.halfPoints));
    out.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(format.italic);
    out.setUnderlineStyle(underlineStyle(format.underline));
    out.setFontStrikeOut(format.strike);
    switch (format.verticalPosition) {
    case VerticalPosition::Superscript: out.setVerticalAlignment(QTextCharFormat::AlignSuperScript); break;
    case VerticalPosition::Subscript: out.setVerticalAlignment(QTextCharFormat::AlignSubScript); break;
    case VerticalPosition::Baseline: break;
    }
    if (format.capitals == Capitals::All)
        out.setFontCapitalization(QFont::AllUppercase);
    else if (format.capitals == Capitals::Small)
        out.setFontCapitalization(QFont::SmallCaps);
    if (format.foreground)
        out.setForeground(qColor(*format.foreground));
    if (format.background)
        out.setBackground(qColor(*format.background));
    if (const std::string_view link = text.link(format); !link.empty()) {
        out.setAnchor(true);
        out.setAnchorHref(QString::fromUtf8(link.data(), qsizetype(link.size())));
    }
    return out;
}

Qt::Alignment alignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left: return Qt::AlignLeft;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Justify: return Qt::AlignJustify;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat blockFormat(const Paragraph &paragraph)
{
    const ParagraphFormat &format = paragraph.format;
    QTextBlockFormat out;
    out.setAlignment(alignment(format.alignment));
    out.setLeftMargin(pixels(format.leftIndent));
    out.setRightMargin(pixels(format.rightIndent));
    out.setTextIndent(pixels(format.firstLineIndent));
    out.setTopMargin(pixels(format.spaceBefore));
    out.setBottomMargin(pixels(format.spaceAfter));
    const LineSpacing &spacing = format.lineSpacing;
    switch (spacing.rule) {
    case LineSpacingRule::Auto: break;
    case LineSpacingRule::Multiple:
        out.setLineHeight(spacing.value * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        break;
    case LineSpacingRule::AtLeast:
        out.setLineHeight(pixels(spacing.value), QTextBlockFormat::MinimumHeight);
        break;
    case LineSpacingRule::Exactly:
        out.setLineHeight(pixels(spacing.value), QTextBlockFormat::FixedHeight);
        break;
    }
    if (!paragraph.listMarker.empty() && format.firstLineIndent < 0) {
        // The marker hangs in the first-line indent; a tab stop at the left
        // indent lines the item's text up with its wrapped lines. Qt measures
        // tab stops from where the first line starts.
        out.setTabPositions({QTextOption::Tab(pixels(-format.firstLineIndent), QTextOption::LeftTab)});
    }
    return out;
}

} // namespace

void writeTextDocument(const FormattedText &text, QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    // Empty paragraphs take their height from the default font; RTF's
    // default size is 12 points.
    QFont font = document.defaultFont();
    font.setPixelSize(pixelSize(CharFormat{}.halfPoints));
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph &paragraph : text.paragraphs) {
        const QTextBlockFormat block = blockFormat(paragraph);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        if (!paragraph.listMarker.empty()) {
            CharFormat markerFormat = paragraph.runs.empty() ? CharFormat{} : paragraph.runs.front().format;
            markerFormat.link = -1;
            cursor.insertText(QString::fromStdString(paragraph.listMarker) + u'\t', charFormat(text, markerFormat));
        }
        for (const Run &run : paragraph.runs)
            cursor.insertText(QString::fromStdString(run.text), charFormat(text, run.format));
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

} // namespace rtf
