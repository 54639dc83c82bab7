#include "rtftestsupport.h"

#include "rtf/textdocumentwriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QRegularExpression>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QTextCharFormat formatAt(const QTextDocument &document, const QString &text)
{
    const QTextCursor found = document.find(text);
    if (found.isNull()) {
        ADD_FAILURE() << "no " << text.toStdString();
        return {};
    }
    QTextCursor inside(found);
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument &document, const QString &text)
{
    return document.find(text).block().blockFormat();
}

class TextDocumentWriter : public ::testing::Test
{
protected:
    void write(std::string_view rtf) { rtf::writeTextDocument(readOrFail(rtf), document); }

    QTextDocument document;
};

TEST_F(TextDocumentWriter, oneBlockPerParagraphWithMarkersBeforeItems)
{
    write("{\\rtf1 Title\\par\\par {\\listtext\t1.\t}\\li720\\fi-360 Item\\par\\pard End}");
    EXPECT_EQ(document.blockCount(), 4);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Title\n\n1.\tItem\nEnd"));
}

TEST_F(TextDocumentWriter, replacesWhatTheDocumentHeld)
{
    document.setPlainText(QStringLiteral("old\nlines"));
    write("{\\rtf1 new}");
    EXPECT_EQ(document.toPlainText(), QStringLiteral("new"));
}

TEST_F(TextDocumentWriter, characterAttributes)
{
    write(R"({\rtf1{\fonttbl{\f0\fswiss Helvetica-Bold;}{\f1\fmodern Courier New;}}{\colortbl;\red200\green10\blue20;\red250\green240\blue0;})"
          R"({\f0\fs36\b Head}{\f1\i mono}{\ul under}{\strike gone}{\super up}{\sub down}{\cf1\highlight2 red}{\caps loud}{\scaps small}})");
    const QTextCharFormat head = formatAt(document, QStringLiteral("Head"));
    EXPECT_EQ(head.fontFamilies().toStringList(), QStringList{QStringLiteral("Helvetica")});
    EXPECT_EQ(head.fontStyleHint(), QFont::SansSerif);
    EXPECT_EQ(head.font().pixelSize(), 18);
    EXPECT_EQ(head.fontWeight(), QFont::Bold);
    const QTextCharFormat mono = formatAt(document, QStringLiteral("mono"));
    EXPECT_EQ(mono.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    EXPECT_EQ(mono.fontStyleHint(), QFont::Monospace);
    EXPECT_TRUE(mono.fontItalic());
    EXPECT_EQ(mono.font().pixelSize(), 12);
    EXPECT_EQ(formatAt(document, QStringLiteral("under")).underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_TRUE(formatAt(document, QStringLiteral("gone")).fontStrikeOut());
    EXPECT_EQ(formatAt(document, QStringLiteral("up")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatAt(document, QStringLiteral("down")).verticalAlignment(), QTextCharFormat::AlignSubScript);
    const QTextCharFormat red = formatAt(document, QStringLiteral("red"));
    EXPECT_EQ(red.foreground().color(), QColor(200, 10, 20));
    EXPECT_EQ(red.background().color(), QColor(250, 240, 0));
    EXPECT_EQ(formatAt(document, QStringLiteral("loud")).fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(formatAt(document, QStringLiteral("small")).fontCapitalization(), QFont::SmallCaps);
    EXPECT_FALSE(formatAt(document, QStringLiteral("under")).hasProperty(QTextFormat::ForegroundBrush));
}

TEST_F(TextDocumentWriter, linksBecomeAnchors)
{
    write(R"({\rtf1 See {\field{\*\fldinst HYPERLINK "https://veltrano.example/"}{\fldrslt site}}.})");
    const QTextCharFormat link = formatAt(document, QStringLiteral("site"));
    EXPECT_TRUE(link.isAnchor());
    EXPECT_EQ(link.anchorHref(), QStringLiteral("https://veltrano.example/"));
    EXPECT_FALSE(formatAt(document, QStringLiteral("See")).isAnchor());
}

TEST_F(TextDocumentWriter, paragraphAttributesInPixels)
{
    // 20 twips are one point, shown as one pixel like the rest of the window.
    write(R"({\rtf1\qc\li2000\ri400\fi-600\sb200\sa100 centred\par\pard\qr right\par\pard\qj\sl360\slmult1 justified\par)"
          R"(\pard\sl-400 exact\par\pard\sl400 least})");
    const QTextBlockFormat centred = blockOf(document, QStringLiteral("centred"));
    EXPECT_EQ(centred.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(centred.leftMargin(), 100.0);
    EXPECT_DOUBLE_EQ(centred.rightMargin(), 20.0);
    EXPECT_DOUBLE_EQ(centred.textIndent(), -30.0);
    EXPECT_DOUBLE_EQ(centred.topMargin(), 10.0);
    EXPECT_DOUBLE_EQ(centred.bottomMargin(), 5.0);
    EXPECT_EQ(blockOf(document, QStringLiteral("right")).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    const QTextBlockFormat justified = blockOf(document, QStringLiteral("justified"));
    EXPECT_EQ(justified.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_EQ(justified.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_DOUBLE_EQ(justified.lineHeight(), 150.0);
    const QTextBlockFormat exact = blockOf(document, QStringLiteral("exact"));
    EXPECT_EQ(exact.lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_DOUBLE_EQ(exact.lineHeight(), 20.0);
    EXPECT_EQ(blockOf(document, QStringLiteral("least")).lineHeightType(), QTextBlockFormat::MinimumHeight);
}

TEST_F(TextDocumentWriter, hangingMarkerGetsATabStopAtTheIndent)
{
    write("{\\rtf1\\li720\\fi-360{\\listtext\t\\u8226 \t}Item}");
    const QTextBlockFormat item = blockOf(document, QStringLiteral("Item"));
    ASSERT_EQ(item.tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(item.tabPositions().front().position, 18.0);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("\u2022\tItem"));
}

// A word far longer than any real one would make laying out each of its lines
// cost as much as the whole word; it gets invisible break opportunities, and
// nothing else changes.
TEST_F(TextDocumentWriter, longWordsGetInvisibleBreakOpportunities)
{
    std::string rtf = "{\\rtf1 ";
    for (int i = 0; i < 500; ++i)
        rtf += "\\b a\\b0 b";
    rtf += " short words stay\\par x";
    for (int i = 0; i < 300; ++i)
        rtf += "\\u-10179?\\u-8704?"; // U+1F600, a surrogate pair
    write(rtf + "}");

    const QString shown = document.toPlainText();
    const QChar breakOpportunity(0x200B);
    EXPECT_EQ(QString(shown).remove(breakOpportunity),
              QString(500, u'x').replace(u'x', QStringLiteral("ab")) + QStringLiteral(" short words stay\nx")
                  + QString(300, u'x').replace(u'x', QStringLiteral("\U0001F600")));
    qsizetype longest = 0;
    for (const QString &word : shown.split(QRegularExpression(QStringLiteral("[ \\n\u200B]"))))
        longest = std::max(longest, word.size());
    EXPECT_LE(longest, 201); // one more where the limit falls inside a surrogate pair
    EXPECT_GT(shown.count(breakOpportunity), 5);
    EXPECT_TRUE(shown.contains(QStringLiteral(" short words stay\n")));
    for (qsizetype i = shown.indexOf(breakOpportunity); i >= 0; i = shown.indexOf(breakOpportunity, i + 1))
        EXPECT_FALSE(i + 1 < shown.size() && shown[i + 1].isLowSurrogate()) << "a pair split at " << i;
}

// A paragraph far longer than any real one goes on in further blocks at word
// ends, which read as one paragraph: indent and space before only at its
// start, space after only at its end.
TEST_F(TextDocumentWriter, longParagraphsGoOnInFurtherBlocks)
{
    std::string words;
    for (int i = 0; i < 24'000; ++i)
        words += i % 2 ? "words " : "{\\b bold} ";
    write("{\\rtf1\\fi400\\sb200\\sa100 " + words + "\\par Next}");

    ASSERT_EQ(document.blockCount(), 4); // 132,000 characters, then the next paragraph
    QString joined;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        SCOPED_TRACE(block.blockNumber());
        const QTextBlockFormat format = block.blockFormat();
        const bool first = block.blockNumber() == 0;
        const bool last = block.blockNumber() == 2;
        if (block.blockNumber() == 3) {
            EXPECT_EQ(block.text(), QStringLiteral("Next"));
            break;
        }
        EXPECT_LE(block.length(), 50'000 + 8);
        EXPECT_TRUE(block.text().endsWith(u' ') || last);
        EXPECT_DOUBLE_EQ(format.textIndent(), first ? 20.0 : 0.0);
        EXPECT_DOUBLE_EQ(format.topMargin(), first ? 10.0 : 0.0);
        EXPECT_DOUBLE_EQ(format.bottomMargin(), last ? 5.0 : 0.0);
        joined += block.text();
    }
    EXPECT_EQ(joined, QString(12'000, u'x').replace(u'x', QStringLiteral("bold words ")));
}

} // namespace
