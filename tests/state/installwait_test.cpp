#include "state/appsettings.h"

#include "platform/linesink.h"
#include "state/responsivewait.h"
#include "support/fakeenvironment.h"

#include <QCoreApplication>
#include <QKeyEvent>
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

// Waits on a script's thread, up to half a minute, for `done`.
void waitOnTheScript(const std::function<bool()> &done)
{
    for (int i = 0; i < 3000 && !done(); ++i)
        std::this_thread::sleep_for(10ms);
}

// A script host that reports `count` commands, each lasting until
// `done(command)`.
std::function<ScriptOutcome(const QString &, const ProgressReport &)> slowHost(std::atomic<int> &runs, int count,
                                                                              std::function<bool(int)> done)
{
    return [&runs, count, done](const QString &, const ProgressReport &report) {
        ++runs;
        for (int k = 1; k <= count; ++k) {
            report(ScriptProgress{k, count, QStringLiteral("folder %1").arg(k), false});
            waitOnTheScript([&] { return done(k); });
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
    std::atomic<int> ticks = 0;
    // Each command lasts two ticks of the timer below.
    environment.runScript = slowHost(runs, 3, [&](int command) { return ticks >= 2 * command; });
    AppSettings settings(environment);
    settings.setCurrentPage(Page::install);

    // Every value the field takes: the one before each store, then the last.
    QList<std::optional<ScriptProgress>> values;
    QObject::connect(&settings, &AppSettings::objectWillChange, [&] {
        if (values.isEmpty() || values.last() != settings.installProgress())
            values.append(settings.installProgress());
    });
    // Timers fire during the run; the scripts they try to start must not run.
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
    std::atomic<bool> sent = false;
    environment.runScript = slowHost(runs, 1, [&](int) { return sent.load(); });
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

    QTimer::singleShot(0, [&] {
        clickButton();
        QTest::keyClicks(field, QStringLiteral("typed"));
        QTest::keyClick(window.windowHandle(), Qt::Key_Y);
        QTest::keyClick(field, Qt::Key_X);
        sent = true;
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

TEST(InstallWait, KeysFromTheWindowSystemGoToAssistiveTechnologyOnly)
{
    struct Row {
        QEvent::Type type;
        bool spontaneous;
        responsivewait::Fate fate;
    };
    using responsivewait::Fate;
    const Row rows[] = {
        {QEvent::KeyPress, true, Fate::toAccessibilityOnly},
        {QEvent::KeyRelease, true, Fate::toAccessibilityOnly},
        // What a screen reader's bridge hands back, or the program sends itself.
        {QEvent::KeyPress, false, Fate::drop},
        {QEvent::KeyRelease, false, Fate::drop},
        {QEvent::ShortcutOverride, true, Fate::drop},
        {QEvent::Shortcut, false, Fate::drop},
        {QEvent::MouseButtonPress, true, Fate::drop},
        {QEvent::Wheel, true, Fate::drop},
        {QEvent::InputMethod, true, Fate::drop},
        {QEvent::Paint, true, Fate::deliver},
        {QEvent::Timer, false, Fate::deliver},
        {QEvent::UpdateRequest, false, Fate::deliver},
        {QEvent::FocusIn, true, Fate::deliver},
    };
    for (const Row &row : rows)
        EXPECT_EQ(responsivewait::fateDuringWait(row.type, row.spontaneous), row.fate)
            << "event type " << int(row.type) << (row.spontaneous ? " from the window system" : "");
}

namespace {

// Stands in for a screen reader's bridge: an application filter installed
// before the wait that takes keys from the window system, keeps those the
// screen reader wants and hands the others back to their receiver.
class ScreenReaderBridge final : public QObject
{
public:
    enum class Wants { everything, nothing, isAbsent };

    explicit ScreenReaderBridge(Wants wants)
        : m_wants(wants)
    {
        if (wants != Wants::isAbsent)
            QCoreApplication::instance()->installEventFilter(this);
    }

    QList<int> heard;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (!event->spontaneous() || event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        heard.append(key->key());
        if (m_wants == Wants::nothing)
            QCoreApplication::postEvent(receiver, new QKeyEvent(QEvent::KeyPress, key->key(), key->modifiers(),
                                                                key->text()));
        return true;
    }

private:
    Wants m_wants;
};

} // namespace

// A screen reader hears every key typed during the run, whether or not it
// wants it; the window gets none of them, then or afterwards.
TEST(InstallWait, AScreenReaderHearsKeysDuringTheRunAndTheWindowDoesNot)
{
    using Wants = ScreenReaderBridge::Wants;
    for (const Wants wants : {Wants::everything, Wants::nothing, Wants::isAbsent}) {
        SCOPED_TRACE(int(wants));
        FakeWorld world;
        AppEnvironment environment = world.environment();
        std::atomic<bool> typed = false;
        environment.runScript = [&typed](const QString &, const ProgressReport &) {
            waitOnTheScript([&] { return typed.load(); });
            return ScriptOutcome{QStringLiteral("Ok"), std::nullopt};
        };
        AppSettings settings(environment);
        QLineEdit field;
        field.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
        field.activateWindow();
        field.setFocus();
        ScreenReaderBridge bridge(wants);

        QTimer::singleShot(0, [&] {
            QTest::keyClick(field.windowHandle(), Qt::Key_A);
            QTest::keyClick(&field, Qt::Key_B);
            // What the bridge handed back is delivered on a later turn.
            QTimer::singleShot(0, [&] { typed = true; });
        });
        settings.performScript(QStringLiteral("script"));
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(field.text(), QString());
        if (wants != Wants::isAbsent) {
            EXPECT_EQ(bridge.heard, (QList<int>{Qt::Key_A, Qt::Key_B}));
        }

        // After the run the keys reach the field again (through the bridge).
        QTest::keyClick(&field, Qt::Key_C);
        QCoreApplication::processEvents();
        EXPECT_EQ(field.text(), wants == Wants::everything ? QString() : QStringLiteral("c"));
    }
}
