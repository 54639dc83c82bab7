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
    // And a screen reader hears that it was done.
    auto *notice = button("copyLogButton")->findChild<QWidget *>(QStringLiteral("newsNotice"));
    ASSERT_TRUE(notice && notice->isVisible());
    EXPECT_EQ(notice->accessibleName(), QStringLiteral("Copied to the clipboard"));
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

namespace {

struct ShownRow
{
    const char *name;
    QString log;
    int linesShown;
};

class LogShownText : public ::testing::TestWithParam<ShownRow>
{
};

constexpr auto limit = LogDetailsWindow::longestShownLine;

} // namespace

// Overlong lines continue on the next line, and nothing else changes: taking
// out exactly the added breaks gives the log back.
TEST_P(LogShownText, BreaksOnlyOverlongLines)
{
    const ShownRow &row = GetParam();
    const QString shown = LogDetailsWindow::shownText(row.log);
    const QStringList lines = shown.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), row.linesShown);
    for (const QString &line : lines)
        EXPECT_LE(line.size(), limit);
    QString joined;
    const QStringList logLines = row.log.split(QLatin1Char('\n'));
    qsizetype next = 0;
    for (const QString &logLine : logLines) {
        QString rebuilt;
        do
            rebuilt += lines[next++];
        while (rebuilt.size() < logLine.size());
        EXPECT_EQ(rebuilt, logLine);
    }
    EXPECT_EQ(next, lines.size());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LogShownText,
    ::testing::Values(ShownRow{"empty", QString(), 1}, ShownRow{"ordinary", QStringLiteral("a\nb\n"), 3},
                      ShownRow{"atTheLimit", QString(limit, QLatin1Char('x')), 1},
                      ShownRow{"oneOver", QString(limit + 1, QLatin1Char('x')), 2},
                      ShownRow{"megabytesOnOneLine", QString(2 * 1024 * 1024, QLatin1Char('y')),
                               int((2 * 1024 * 1024 + limit - 1) / limit)},
                      ShownRow{"longBetweenShort",
                               QStringLiteral("first\n") + QString(2 * limit + 5, QLatin1Char('z'))
                                   + QStringLiteral("\nlast"),
                               5}),
    [](const ::testing::TestParamInfo<ShownRow> &info) { return std::string(info.param.name); });
