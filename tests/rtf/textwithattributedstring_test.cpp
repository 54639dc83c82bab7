#include "rtftestsupport.h"

#include "platform/linesink.h"
#include "ui/document.h"
#include "ui/textwithattributedstring.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

rtf::FormattedText sampleLicense()
{
    Document document([] { return std::optional<QString>(QStringLiteral(VELTRANO_SOURCE_DIR "/resources")); });
    document.load(QStringLiteral("VeltranoEULA"));
    return document.data();
}

TEST(TextWithAttributedString, showsTheTextWithMarkers)
{
    const rtf::FormattedText text = readOrFail("{\\rtf1 Head\\par{\\listtext\t1.\t}\\li720\\fi-360 Item}");
    const TextWithAttributedString view(text);
    EXPECT_EQ(view.textView()->toPlainText(), QStringLiteral("Head\n1.\tItem"));
}

TEST(TextWithAttributedString, isReadOnlyWithVerticalScrollBarOn)
{
    TextWithAttributedString view(sampleLicense());
    view.resize(600, 200);
    view.show();
    QTextEdit *text = view.textView();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(text->verticalScrollBar()->isVisible());
    // The agreement is taller than the view, so it scrolls, and it opens at the top.
    EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST(TextWithAttributedString, typingChangesNothing)
{
    TextWithAttributedString view(readOrFail("{\\rtf1 Fixed text}"));
    view.show();
    view.textView()->setFocus();
    QTest::keyClicks(view.textView(), QStringLiteral("typed"));
    QTest::keyClick(view.textView(), Qt::Key_Backspace);
    QTest::keyClick(view.textView(), Qt::Key_Delete);
    EXPECT_EQ(view.textView()->toPlainText(), QStringLiteral("Fixed text"));
}

TEST(TextWithAttributedString, selectedTextCanBeCopied)
{
    TextWithAttributedString view(readOrFail("{\\rtf1 {\\b Copy} me\\par too}"));
    view.show();
    QTextEdit *text = view.textView();
    EXPECT_TRUE(text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    EXPECT_TRUE(text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    QGuiApplication::clipboard()->clear();
    text->setFocus();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Copy me\ntoo"));
}

TEST(TextWithAttributedString, filledOnceFromTheTextGiven)
{
    rtf::FormattedText text = readOrFail("{\\rtf1 first}");
    const TextWithAttributedString view(text);
    text = readOrFail("{\\rtf1 second}");
    EXPECT_EQ(view.textView()->toPlainText(), QStringLiteral("first"));
}

TEST(TextWithAttributedString, emptyTextShowsAnEmptyView)
{
    const TextWithAttributedString view(rtf::FormattedText{});
    EXPECT_TRUE(view.textView()->toPlainText().isEmpty());
}

TEST(TextWithAttributedString, sampleLicenseHasBoldCentredTitleAndHangingList)
{
    const TextWithAttributedString view(sampleLicense());
    const QTextDocument *document = view.textView()->document();
    const QTextBlock title = document->firstBlock();
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(title.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    const QTextCursor item = document->find(QStringLiteral("1.\tYou may not sell"));
    ASSERT_FALSE(item.isNull());
    EXPECT_GT(item.block().blockFormat().leftMargin(), 0.0);
    EXPECT_LT(item.block().blockFormat().textIndent(), 0.0);
}

// Renders the sample license as the license page shows it. The picture is
// checked for drawn text; with VELTRANO_RTF_SCREENSHOT=<file.png> it is also
// saved for a person to look at.
TEST(TextWithAttributedString, rendersTheSampleLicense)
{
    TextWithAttributedString view(sampleLicense());
    view.resize(600, 400);
    view.show();
    QApplication::processEvents();
    const QImage image = view.grab().toImage();
    ASSERT_EQ(image.size(), QSize(600, 400) * image.devicePixelRatio());
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    EXPECT_GT(dark, 1000);
    const QString screenshot = qEnvironmentVariable("VELTRANO_RTF_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        EXPECT_TRUE(image.save(screenshot));
    }
}

} // namespace
