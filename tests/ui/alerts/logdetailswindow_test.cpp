#include "alertfixture.h"

#include "ui/alerts/logdetailswindow.h"

#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

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
        area = alerts->findChild<QScrollArea *>(QStringLiteral("logArea"));
        text = alerts->findChild<QLabel *>(QStringLiteral("logText"));
        ASSERT_TRUE(area && text);
    }

    QScrollArea *area = nullptr;
    QLabel *text = nullptr;
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
    EXPECT_EQ(area->size(), LogDetailsWindow::logAreaSize);
    EXPECT_EQ(area->horizontalScrollBar()->maximum() > 0, row.scrollsAcross);
    EXPECT_EQ(area->verticalScrollBar()->maximum() > 0, row.scrollsDown);
    // The white text background covers at least the visible area.
    EXPECT_GE(text->width(), area->viewport()->width());
    EXPECT_GE(text->height(), area->viewport()->height());
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
    EXPECT_EQ(text->text(), log);
    EXPECT_EQ(text->textFormat(), Qt::PlainText);
    EXPECT_EQ(text->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(text->pos(), QPoint(0, 0));
    const QImage picture = area->viewport()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() - 3, picture.height() - 3), QColor(Qt::white));
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
    EXPECT_EQ(text->text(), QStringLiteral("first"));
    settings.setCompletedWithErrors(true);
    settle();
    EXPECT_EQ(text->text(), QStringLiteral("second"));
}

TEST_F(LogWindow, ReopeningShowsTheCurrentText)
{
    open(QStringLiteral("first"));
    QTest::mouseClick(button("closeLogButton"), Qt::LeftButton);
    settle();
    ASSERT_EQ(alerts->shownOverlay(), Overlay::none);
    open(QStringLiteral("second"));
    EXPECT_EQ(text->text(), QStringLiteral("second"));
}
