#include "state/appsettings.h"

#include "platform/linesink.h"
#include "support/fakeenvironment.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace {

// A script host that reports `count` commands, each taking `step`.
std::function<ScriptOutcome(const QString &, const ProgressReport &)> slowHost(std::atomic<int> &runs, int count,
                                                                              std::chrono::milliseconds step)
{
    return [&runs, count, step](const QString &, const ProgressReport &report) {
        ++runs;
        for (int k = 1; k <= count; ++k) {
            report(ScriptProgress{k, count, QStringLiteral("folder %1").arg(k), false});
            std::this_thread::sleep_for(step);
        }
        return ScriptOutcome{QStringLiteral("Ok"), std::nullopt};
    };
}

} // namespace

TEST(InstallWait, ProgressInOrderOneScriptAtATimeAndTheOutcomeOnceAfterReturning)
{
    FakeWorld world;
    AppEnvironment environment = world.environment();
    std::atomic<int> runs = 0;
    environment.runScript = slowHost(runs, 3, 100ms);
    AppSettings settings(environment);
    settings.setCurrentPage(Page::install);

    // Every value the field takes: the one before each store, then the last.
    QList<std::optional<ScriptProgress>> values;
    QObject::connect(&settings, &AppSettings::objectWillChange, [&] {
        if (values.isEmpty() || values.last() != settings.installProgress())
            values.append(settings.installProgress());
    });
    // Timers fire during the run; the scripts they try to start must not run.
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        settings.checkAccess();
        settings.installSelectedProducts();
    });
    timer.start(20);
    QSignalSpy ended(&settings, &AppSettings::scriptRunEnded);

    linesink::Capture output;
    settings.installSelectedProducts();
    timer.stop();
    EXPECT_EQ(runs, 1);
    EXPECT_GE(ticks, 5) << "timers keep firing while the script runs";
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(settings.currentPage(), Page::install) << "the outcome is applied after the call has returned";
    EXPECT_TRUE(settings.installProgress()) << "and the progress stays until then";

    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_EQ(output.lines().size(), 2) << qPrintable(output.lines().join(u'\n'));
    EXPECT_EQ(output.lines().value(1), QStringLiteral("ERROR VALUE Ok"));
    EXPECT_FALSE(settings.installProgress());
    const QList<std::optional<ScriptProgress>> expected{
        std::nullopt,
        ScriptProgress{},
        ScriptProgress{1, 3, QStringLiteral("folder 1"), false},
        ScriptProgress{2, 3, QStringLiteral("folder 2"), false},
        ScriptProgress{3, 3, QStringLiteral("folder 3"), false},
        std::nullopt,
    };
    EXPECT_EQ(values, expected);
}

// Clicks and keys sent while a script runs, through the window as a user's
// would come, are dropped, and do nothing afterwards either.
TEST(InstallWait, InputDuringTheRunIsDropped)
{
    FakeWorld world;
    AppEnvironment environment = world.environment();
    std::atomic<int> runs = 0;
    environment.runScript = slowHost(runs, 1, 400ms);
    AppSettings settings(environment);

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *field = new QLineEdit(&window);
    auto *button = new QPushButton(QStringLiteral("press"), &window);
    layout->addWidget(field);
    layout->addWidget(button);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    QSignalSpy clicked(button, &QPushButton::clicked);
    auto clickButton = [&] {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, button->mapTo(&window, button->rect().center()));
    };

    QTimer::singleShot(100, [&] {
        clickButton();
        QTest::keyClicks(field, QStringLiteral("typed"));
        QTest::keyClick(window.windowHandle(), Qt::Key_Y);
        QTest::keyClick(field, Qt::Key_X);
    });
    settings.performScript(QStringLiteral("script"));
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(field->text(), QString());

    // The same input after the run does reach the widgets.
    clickButton();
    QTest::keyClick(field, Qt::Key_X);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(field->text(), QStringLiteral("x"));
}
