#include "state/appsettings.h"

#include "install/installscript.h"
#include "platform/linesink.h"
#include "state/installlog.h"
#include "state/responsivewait.h"

#include <QMetaObject>

void AppSettings::installSelectedProducts()
{
    if (m_scriptRunning)
        return;
    const Product::InstallTargets targets =
        m_environment.installTargets ? m_environment.installTargets() : Product::InstallTargets{};
    // Products that cannot be installed leave the others to install; the
    // outcome of the run reports them.
    const InstallPlan plan = installPlan();
    m_planFailures = plan.failures;
    const std::optional<roomverdict::Verdict> room = checkRoom(targets, plan.elements);
    if (room) {
        for (const QString &line : room->unchecked)
            linesink::writeLine(QStringLiteral("Unchecked ") + line);
    }
    const QString script = installscript::compose(targets, plan.elements);
    linesink::writeLine(QStringLiteral("SCRIPT -- ") + script);
    if (room && room->refused()) {
        refuseInstall(*room);
        return;
    }
    setInstallProgress(ScriptProgress{});
    performScript(script);
}

std::optional<roomverdict::Verdict> AppSettings::checkRoom(const Product::InstallTargets &targets,
                                                           const QStringList &elements)
{
    if (!m_environment.checkRoom)
        return std::nullopt;
    // A large product takes the check a few seconds, during which the window
    // keeps painting as it does while a script runs, and a close waits too.
    m_scriptRunning = true;
    std::optional<roomverdict::Verdict> verdict;
    const auto check = m_environment.checkRoom;
    responsivewait::run([&] { verdict = check(targets, elements); });
    m_scriptRunning = false;
    return verdict;
}

void AppSettings::refuseInstall(const roomverdict::Verdict &verdict)
{
    setCompletedWithErrors(true);
    setLogDetailsStr((m_planFailures + roomverdict::logLines(verdict)).join(u'\n'));
    setCurrentPage(Page::summary);
    linesink::writeLine(QStringLiteral("ERROR VALUE ") + roomverdict::summary(verdict));
    // The run ends here; a close held during the check may go ahead.
    emit scriptRunEnded();
}

void AppSettings::performScript(const QString &script) { runInBackground(script, &AppSettings::applyInstallOutcome); }

void AppSettings::checkAccess() { runInBackground(installscript::accessProbe(), &AppSettings::applyProbeOutcome); }

void AppSettings::runInBackground(const QString &script, void (AppSettings::*apply)(const ScriptOutcome &))
{
    // Timers keep firing during the wait; one of them must not start a second
    // script inside the first.
    if (m_scriptRunning)
        return;
    m_scriptRunning = true;
    const auto runScript = m_environment.runScript;
    const ProgressReport report = [this](const ScriptProgress &progress) {
        QMetaObject::invokeMethod(this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
    };
    ScriptOutcome outcome;
    responsivewait::run([&] { outcome = runScript ? runScript(script, report) : ScriptOutcome{}; });
    m_scriptRunning = false;
    emit scriptRunEnded();
    // Posted only now, behind every progress report, so that it is applied
    // once, after the caller has returned. If this object is gone by then,
    // the queued call is dropped.
    QMetaObject::invokeMethod(this, [this, apply, outcome] { (this->*apply)(outcome); }, Qt::QueuedConnection);
}

void AppSettings::showProgress(const ScriptProgress &progress)
{
    if (m_installProgress)
        setInstallProgress(progress);
}

void AppSettings::applyInstallOutcome(const ScriptOutcome &outcome)
{
    if (m_installProgress)
        setInstallProgress(std::nullopt);
    if (outcome.errorDescription) {
        linesink::writeLine(QStringLiteral("Error: ") + *outcome.errorDescription);
        setCompletedWithErrors(true);
    }
    if (!outcome.result)
        return;
    const QString &text = *outcome.result;
    if (text == u"User canceled.")
        return;
    if (const QString log = installLog(m_planFailures, text); !log.isEmpty()) {
        setCompletedWithErrors(true);
        setLogDetailsStr(log);
    }
    setCurrentPage(Page::summary);
    linesink::writeLine(QStringLiteral("ERROR VALUE ") + text);
}

void AppSettings::applyProbeOutcome(const ScriptOutcome &outcome)
{
    if (outcome.errorDescription) {
        setAccessType(FinderAccess::unknown);
        linesink::writeLine(QStringLiteral("Error: ") + *outcome.errorDescription);
        return;
    }
    if (!outcome.result)
        return;
    setAccessType(finderAccessFromRawValue(*outcome.result).value_or(FinderAccess::unknown));
    if (accessType() == FinderAccess::allowed) {
        installSelectedProducts();
        setShowFinderAlert(false);
    } else {
        setShowFinderAlert(true);
    }
}
