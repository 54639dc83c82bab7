#include "state/appsettings.h"

#include "install/installscript.h"
#include "platform/linesink.h"

#include <QMetaObject>
#include <QPointer>

#include <semaphore>
#include <thread>

void AppSettings::installSelectedProducts()
{
    const Product::InstallTargets targets =
        m_environment.installTargets ? m_environment.installTargets() : Product::InstallTargets{};
    const QString script = installscript::compose(targets, elementsToCopy());
    linesink::writeLine(QStringLiteral("SCRIPT -- ") + script);
    performScript(script);
}

void AppSettings::performScript(const QString &script) { runInBackground(script, &AppSettings::applyInstallOutcome); }

void AppSettings::checkAccess() { runInBackground(installscript::accessProbe(), &AppSettings::applyProbeOutcome); }

void AppSettings::runInBackground(const QString &script, void (AppSettings::*apply)(const ScriptOutcome &))
{
    // The worker releases the caller before it posts the outcome, so the
    // caller has returned and the event loop is free when the outcome runs.
    // If this object is gone by then, the queued call is dropped.
    std::binary_semaphore finished(0);
    const auto runScript = m_environment.runScript;
    std::thread worker([&finished, runScript, script, apply, self = QPointer<AppSettings>(this)] {
        const ScriptOutcome outcome = runScript ? runScript(script) : ScriptOutcome{};
        finished.release();
        if (self)
            QMetaObject::invokeMethod(
                self.data(), [self, apply, outcome] { (self->*apply)(outcome); }, Qt::QueuedConnection);
    });
    finished.acquire();
    worker.join();
}

void AppSettings::applyInstallOutcome(const ScriptOutcome &outcome)
{
    if (outcome.errorDescription) {
        linesink::writeLine(QStringLiteral("Error: ") + *outcome.errorDescription);
        setCompletedWithErrors(true);
    }
    if (!outcome.result)
        return;
    const QString &text = *outcome.result;
    if (text == u"User canceled.")
        return;
    if (text != u"Ok") {
        setCompletedWithErrors(true);
        setLogDetailsStr(text);
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
