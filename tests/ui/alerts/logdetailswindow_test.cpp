#include "alertfixture.h"

#include "ui/alerts/logdetailswindow.h"

#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

namespace {

class LogWindow : public AlertFixture
{
protected:
    void open(const QString &log)
    {
        settings.setCurrentPage(Page::summary);
        settings.setCompletedWithErrors(true);
        settings.setLogDetailsStr(log);
        settings.setShowLogDetailsWindow(true);
        settle();
        ASSERT_EQ(alerts->shownOverlay(), Overlay::logDetails);
        text = alerts->findChild<QPlainTextEdit *>(QStringLiteral("logText"));
        ASSERT_TRUE(text);
    }

    QPlainTextEdit *text = nullptr;
};

struct ScrollRow
{
    const char *name;
    QString log;
    bool scrollsAcross;
    bool scrollsDown;
};

class LogScrolling : public LogWindow, public ::testing::WithParamInterface<ScrollRow>
{
};

QString manyLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TEST_P(LogScrolling, ScrollsInEachDirectionTheTextNeeds)
{
    const ScrollRow &row = GetParam();
    open(row.log);
    EXPECT_EQ(text->size(), LogDetailsWindow::logAreaSize);
    EXPECT_EQ(text->horizontalScrollBar()->maximum() > 0, row.scrollsAcross);
    EXPECT_EQ(text->verticalScrollBar()->maximum() > 0, row.scrollsDown);
    // The white background covers the whole visible area.
    const QImage picture = text->viewport()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() - 3, picture.height() - 3), QColor(Qt::white));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LogScrolling,
    ::testing::Values(ScrollRow{"empty", QString(), false, false},
                      ScrollRow{"short", QStringLiteral("cp: /opt/Veltrano: Permission denied"), false, false},
                      ScrollRow{"long", manyLines(200), false, true},
                      ScrollRow{"wide", QString(400, QLatin1Char('w')), true, false},
                      ScrollRow{"longAndWide", manyLines(100) + QLatin1Char('\n') + QString(400, QLatin1Char('w')),
                                true, true}),
    [](const ::testing::TestParamInfo<ScrollRow> &info) { return std::string(info.param.name); });

TEST_F(LogWindow, ShowsTheTextVerbatimTopLeftAndSelectable)
{
    const QString log = QStringLiteral("<b>not bold</b> &amp;\n\tindented  twice\n\"quoted\" \\ end");
    open(log);
    EXPECT_EQ(text->toPlainText(), log);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    // The first character sits at the top left, inside the padding.
    const QRect first = text->cursorRect(QTextCursor(text->document()));
    EXPECT_LE(first.left(), 20);
    EXPECT_LE(first.top(), 20);
}

TEST_F(LogWindow, CopyClearsThenPutsThePlainTextOnTheClipboard)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    auto *old = new QMimeData;
    old->setHtml(QStringLiteral("<i>old</i>"));
    old->setText(QStringLiteral("old"));
    clipboard->setMimeData(old);

    const QString log =
        QStringLiteral("mkdir: cannot create directory '/opt/Veltrano': Permission denied\nsecond line");
    open(log);
    QSignalSpy changes(clipboard, &QClipboard::dataChanged);
    QTest::mouseClick(button("copyLogButton"), Qt::LeftButton);
    settle();
    EXPECT_EQ(changes.count(), 2) << "cleared, then set";
    ASSERT_TRUE(clipboard->mimeData());
    EXPECT_EQ(clipboard->mimeData()->formats(), QStringList{QStringLiteral("text/plain")});
    EXPECT_EQ(clipboard->text(), log);
    EXPECT_EQ(alerts->shownOverlay(), Overlay::logDetails) << "the window stays";
    EXPECT_TRUE(settings.showLogDetailsWindow());
}

TEST_F(LogWindow, EmptyLogLeavesAnEmptyPlainText)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    open(QString());
    QTest::mouseClick(button("copyLogButton"), Qt::LeftButton);
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(LogWindow, TextChangeAloneWaitsForTheNextAnnouncement)
{
    open(QStringLiteral("first"));
    settings.setLogDetailsStr(QStringLiteral("second"));
    settle();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("first"));
    settings.setCompletedWithErrors(true);
    settle();
    EXPECT_EQ(text->toPlainText(), QStringLiteral("second"));
}

TEST_F(LogWindow, ReopeningShowsTheCurrentText)
{
    open(QStringLiteral("first"));
    QTest::mouseClick(button("closeLogButton"), Qt::LeftButton);
    settle();
    ASSERT_EQ(alerts->shownOverlay(), Overlay::none);
    open(QStringLiteral("second"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("second"));
}
