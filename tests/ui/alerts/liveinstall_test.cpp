// An installation through the real window and the real script host, with a
// stand-in for pkexec that keeps its "password prompt" open until told:
// what the window does while the script runs.

#include "app/installerapp.h"
#include "install/scripthost.h"
#include "platform/linesink.h"
#include "support/tempfolder.h"
#include "ui/alertview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMutex>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <numeric>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

void settle()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();
}

} // namespace

TEST(LiveInstall, TheWindowPaintsTakesNoInputAndHoldsACloseUntilTheRunEnds)
{
    TempFolder root;
    const Product::InstallTargets targets{root(QStringLiteral("opt/Veltrano/")),
                                          root(QStringLiteral("usr/local/share/Adobe/Plug-Ins/CC/Veltrano/")),
                                          root(QStringLiteral("xdg/Adobe/Lightroom/"))};
    scripthost::Options host;
    host.helperPath = QStringLiteral(VELTRANO_HELPER_PATH);
    host.user = scripthost::Options::system().user;
    host.home = scripthost::Options::system().home;
    host.targets = targets;
    host.installRoot = root.path();
    // The prompt is open from `prompting` on until `answered` is there (or
    // half a minute has passed).
    TempFolder marks;
    const QString prompting = marks(QStringLiteral("prompting")), answered = marks(QStringLiteral("answered"));
    host.elevation = {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                      QStringLiteral("touch '%1'; for i in $(seq 600); do [ -e '%2' ] && break; sleep 0.05; done; "
                                     "exec \"$0\"")
                          .arg(prompting, answered)};
    QMutex reportsLock;
    QList<ScriptProgress> reports;
    int terminateCalls = 0;
    const AppEnvironment environment{
        [] { return std::optional<QString>(QStringLiteral(VELTRANO_SOURCE_DIR "/resources")); },
        [&] { return targets; },
        [&](const QString &script, const ProgressReport &report) {
            scripthost::Options options = host;
            options.progress = [&](const ScriptProgress &progress) {
                QMutexLocker locked(&reportsLock);
                reports.append(progress);
                report(progress);
            };
            return scripthost::runWith(script, options);
        },
        [&] {
            ++terminateCalls;
            QCoreApplication::exit(0);
        },
    };
    linesink::Capture output;
    InstallerApp app(*qApp, environment);
    app.show();
    ContentView &window = app.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    app.settings().setAgreeWithTerms(true);
    app.settings().setCurrentPage(Page::install);
    app.settings().setShowPermanentlyAlert(true);
    settle();
    auto *alerts = window.findChild<AlertView *>();
    auto *install = window.findChild<QAbstractButton *>(QStringLiteral("installButton"));
    ASSERT_TRUE(alerts && install);
    const QPoint installAt = install->mapTo(&window, install->rect().center());

    // Timers that act during the run, which starts with the click below.
    PaintCounter paints;
    qApp->installEventFilter(&paints);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, &window, [&window] { window.update(); });
    repaint.start(50);
    int paintsSeen = 0;
    int terminateCallsSeen = -1;
    Overlay overlaySeen = Overlay::none;
    QString headingSeen;
    bool visibleAfterClose = false;
    const QString waiting = QStringLiteral("Waiting for authentication…");
    // Once the prompt is open and the overlay shows it: input and a close;
    // five paints later, the answer.
    int paintsAtClose = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (paintsAtClose < 0) {
            overlaySeen = alerts->shownOverlay();
            auto *heading = alerts->findChild<QLabel *>(QStringLiteral("progressHeading"));
            headingSeen = heading ? heading->text() : QString();
            if (!QFileInfo::exists(prompting) || headingSeen != waiting)
                return;
            // Where Install was, Next is now and Close will be; under the
            // overlay or not, none of it may act.
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, installAt);
            QTest::keyClick(window.windowHandle(), Qt::Key_Space);
            QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
            window.windowHandle()->close();
            visibleAfterClose = window.isVisible();
            paintsAtClose = paints.count;
        } else if (paints.count - paintsAtClose >= 5) {
            paintsSeen = paints.count - paintsAtClose;
            terminateCallsSeen = terminateCalls;
            watch.stop();
            QFile(answered).open(QIODevice::WriteOnly);
        }
    });
    watch.start(20);
    std::optional<Page> pageWhenTheRunEnded;
    QObject::connect(&app.settings(), &AppSettings::scriptRunEnded,
                     [&] { pageWhenTheRunEnded = app.settings().currentPage(); });

    // The window reports its closing only while the event loop runs, so the
    // whole run happens inside it.
    QTimer::singleShot(0, [&] { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, installAt); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the held close ends the program";
    repaint.stop();
    qApp->removeEventFilter(&paints);

    EXPECT_EQ(overlaySeen, Overlay::installProgress);
    EXPECT_EQ(headingSeen, waiting);
    EXPECT_GE(paintsSeen, 5) << "the window paints during the password prompt";
    EXPECT_TRUE(visibleAfterClose) << "a close during the run is held";
    EXPECT_EQ(terminateCallsSeen, 0);
    EXPECT_EQ(pageWhenTheRunEnded, Page::install) << "the outcome comes after the run";
    EXPECT_EQ(app.settings().currentPage(), Page::summary);
    EXPECT_FALSE(app.settings().completedWithErrors()) << qPrintable(app.settings().logDetailsStr());
    EXPECT_EQ(output.lines().count(QStringLiteral("ERROR VALUE Ok")), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(terminateCalls, 1);

    QList<int> commands;
    for (const ScriptProgress &report : reports)
        if (commands.isEmpty() || commands.last() != report.command)
            commands.append(report.command);
    ASSERT_FALSE(reports.isEmpty());
    QList<int> everyCommand(reports.first().commandCount);
    std::iota(everyCommand.begin(), everyCommand.end(), 1);
    EXPECT_EQ(commands, everyCommand);
}
