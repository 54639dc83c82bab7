#include "alertfixture.h"

#include "ui/alerts/progressalert.h"

#include <QAccessible>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

namespace {

// Accessibility events as (object name, event type), collected while alive.
class AnnouncementLog
{
public:
    AnnouncementLog()
    {
        s_log = this;
        QAccessible::setActive(true);
        m_previous = QAccessible::installUpdateHandler(&record);
    }
    ~AnnouncementLog()
    {
        QAccessible::installUpdateHandler(m_previous);
        s_log = nullptr;
    }
    QList<std::pair<std::string, int>> take() { return std::exchange(m_events, {}); }

private:
    static void record(QAccessibleEvent *event)
    {
        if (s_log && event->object() && event->type() != QAccessible::ObjectShow
            && event->type() != QAccessible::ObjectHide)
            s_log->m_events.append({event->object()->objectName().toStdString(), event->type()});
    }
    static inline AnnouncementLog *s_log = nullptr;
    QAccessible::UpdateHandler m_previous = nullptr;
    QList<std::pair<std::string, int>> m_events;
};

} // namespace

TEST(ProgressDisplay, FollowsTheScriptHostsReport)
{
    const QString installing = QStringLiteral("Installing…");
    const struct
    {
        ScriptProgress progress;
        ProgressAlert::Display shown;
    } rows[] = {
        {{}, {installing, {}, 0, 0}},
        {{1, 28, {}, true}, {QStringLiteral("Waiting for authentication…"), {}, 0, 0}},
        {{1, 28, {}, false}, {installing, {}, 28, 0}},
        {{5, 28, QStringLiteral("Softhaze 4 Plug-in"), false}, {installing, QStringLiteral("Copying “Softhaze 4 Plug-in”"), 28, 4}},
        {{28, 28, {}, false}, {installing, {}, 28, 27}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ProgressAlert::display(row.progress), row.shown) << row.progress.command << " " << row.progress.commandCount;
}

using ProgressOverlay = AlertFixture;

// The overlay comes with the installation, follows its reports, is readable
// by assistive technology and goes with the outcome. Where accessibility is
// switched on (with_accessibility.sh), each change is also announced.
TEST_F(ProgressOverlay, FollowsTheInstallationReadablyAndAnnouncesEachChange)
{
    const bool announcing = qEnvironmentVariableIsSet("VELTRANO_EXPECT_ACCESSIBILITY");
    if (announcing) {
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 30000)) << "accessibility is not on";
    }
    settings.setCurrentPage(Page::install);
    settings.setInstallProgress(ScriptProgress{});
    settle();
    ASSERT_EQ(alerts->shownOverlay(), Overlay::installProgress);
    auto *heading = alerts->findChild<QLabel *>(QStringLiteral("progressHeading"));
    auto *detail = alerts->findChild<QLabel *>(QStringLiteral("progressDetail"));
    auto *bar = alerts->findChild<QProgressBar *>(QStringLiteral("progressBar"));
    ASSERT_TRUE(heading && detail && bar);
    QAccessibleInterface *barReader = QAccessible::queryAccessibleInterface(bar);
    ASSERT_TRUE(barReader && barReader->valueInterface());
    EXPECT_EQ(barReader->text(QAccessible::Name), QStringLiteral("Installation progress"));

    using Event = std::pair<std::string, int>;
    const Event headingName{"progressHeading", QAccessible::NameChanged};
    const Event detailName{"progressDetail", QAccessible::NameChanged};
    const Event barValue{"progressBar", QAccessible::ValueChanged};
    // The card itself, which has the focus, named by its heading; the folder
    // being copied is told by a notification inside it (accessibility::tell),
    // renamed as it appears (the first one at once).
    const Event cardName{"", QAccessible::NameChanged};
    const Event folderNotice{"newsNotice", QAccessible::NameChanged};
    const struct
    {
        ScriptProgress progress;
        QList<Event> announced;
    } steps[] = {
        {{1, 3, {}, true}, {headingName, cardName}},
        {{1, 3, {}, false}, {headingName, cardName, barValue}},
        {{2, 3, QStringLiteral("Softhaze 3 Plug-in"), false}, {detailName, folderNotice, barValue}},
        {{3, 3, {}, false}, {detailName, barValue}},
        {{3, 3, {}, false}, {}},
    };
    AnnouncementLog log;
    for (const auto &step : steps) {
        SCOPED_TRACE(step.progress.command);
        settings.setInstallProgress(step.progress);
        settle();
        const ProgressAlert::Display shown = ProgressAlert::display(step.progress);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(heading)->text(QAccessible::Name), shown.heading);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(detail)->text(QAccessible::Name), shown.detail);
        EXPECT_EQ(barReader->valueInterface()->maximumValue().toInt(), shown.maximum);
        EXPECT_EQ(barReader->valueInterface()->currentValue().toInt(), shown.value);
        if (announcing) {
            EXPECT_EQ(log.take(), step.announced);
        }
    }

    settings.setInstallProgress(std::nullopt);
    settle();
    EXPECT_EQ(alerts->shownOverlay(), Overlay::none);
}
