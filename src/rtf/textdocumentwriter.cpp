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

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

// Laying out a line, Qt looks for the end of the word the line breaks in, so
// a word of a million letters costs a million steps per line. No real word
// comes near this length; a longer one gets an invisible break opportunity
// (U+200B) after every so many letters.
constexpr int maxWordLength = 200;
// A block of text is laid out as a whole, at a cost that grows faster than
// its length. No real paragraph comes near this length (some fifteen pages);
// a longer one goes on in a further block.
constexpr qsizetype maxBlockLength = 50'000;

bool endsWord(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'-' || c == QChar(0x2028) || c == QChar(0x200B);
}

// `wordLength` carries the length of the word that ends the previous run,
// since a word may go on across runs of different formats.
QString withBreakOpportunities(const QString &text, int &wordLength)
{
    QString out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (endsWord(c)) {
            wordLength = 0;
            continue;
        }
        // Never between the halves of a surrogate pair or before a mark.
        if (++wordLength > maxWordLength && !c.isLowSurrogate() && !c.isMark()) {
            out += QStringView(text).mid(copied, i - copied);
            out += QChar(0x200B);
            copied = i;
            wordLength = 1;
        }
    }
    if (out.isEmpty())
        return text;
    out += QStringView(text).mid(copied);
    return out;
}

// Writes the runs of one paragraph at the cursor, keeping the layout work
// of words and blocks within the bounds above.
class ParagraphWriter
{
public:
    ParagraphWriter(QTextCursor &cursor, const QTextBlockFormat &format)
        : m_cursor(cursor)
        , m_continuation(format)
    {
        // A continued paragraph reads as one: no first-line indent and no
        // space between its blocks.
        m_continuation.setTextIndent(0);
        m_continuation.setTopMargin(0);
    }

    void write(const QString &text, const QTextCharFormat &format)
    {
        const QString shown = withBreakOpportunities(text, m_wordLength);
        QStringView rest(shown);
        while (m_blockLength + rest.size() > maxBlockLength) {
            qsizetype cut = std::max<qsizetype>(maxBlockLength - m_blockLength, 0);
            while (cut < rest.size() && !endsWord(rest[cut]))
                ++cut;
            if (cut >= rest.size())
                break; // the word goes on in the next run
            m_cursor.insertText(rest.left(cut + 1).toString(), format);
            continueInNewBlock();
            rest = rest.mid(cut + 1);
        }
        m_cursor.insertText(rest.toString(), format);
        m_blockLength += rest.size();
    }

private:
    void continueInNewBlock()
    {
        QTextBlockFormat ending = m_cursor.blockFormat();
        ending.setBottomMargin(0);
        m_cursor.setBlockFormat(ending);
        m_cursor.insertBlock(m_continuation);
        m_blockLength = 0;
    }

    QTextCursor &m_cursor;
    QTextBlockFormat m_continuation;
    int m_wordLength = 0;
    qsizetype m_blockLength = 0;
};

// Runs repeat a handful of formats; each is converted once.
class CharFormats
{
public:
    explicit CharFormats(const FormattedText &text)
        : m_text(text)
    {
    }

    const QTextCharFormat &operator()(const CharFormat &format)
    {
        for (const auto &[known, converted] : m_formats) {
            if (known == format)
                return converted;
        }
        if (m_formats.size() == capacity)
            m_formats.pop_back();
        m_formats.emplace(m_formats.begin(), format, charFormat(m_text, format));
        return m_formats.front().second;
    }

private:
    static constexpr std::size_t capacity = 16;
    const FormattedText &m_text;
    std::vector<std::pair<CharFormat, QTextCharFormat>> m_formats;
};

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
    CharFormats formats(text);
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
        ParagraphWriter writer(cursor, block);
        for (const Run &run : paragraph.runs)
            writer.write(QString::fromStdString(run.text), formats(run.format));
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

} // namespace rtf
