#pragma once

#include "catalogue/discovery.h"
#include "catalogue/productmap.h"
#include "state/appenvironment.h"
#include "state/finderaccess.h"
#include "state/page.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QClipboard;

// The whole state of one installer run. Every store of a published field
// first emits objectWillChange(), also when the value is equal; observers
// learn only that something changed and re-read what they show.
// All reads and writes happen on the main thread.
class AppSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Page currentPage READ currentPage WRITE setCurrentPage)
    Q_PROPERTY(FinderAccess accessType READ accessType WRITE setAccessType)
    Q_PROPERTY(bool agreeWithTerms READ agreeWithTerms WRITE setAgreeWithTerms)
    Q_PROPERTY(bool showLicenseAlert READ showLicenseAlert WRITE setShowLicenseAlert)
    Q_PROPERTY(bool showPermanentlyAlert READ showPermanentlyAlert WRITE setShowPermanentlyAlert)
    Q_PROPERTY(bool showFinderAlert READ showFinderAlert WRITE setShowFinderAlert)
    Q_PROPERTY(bool completedWithErrors READ completedWithErrors WRITE setCompletedWithErrors)
    Q_PROPERTY(bool showLogDetailsWindow READ showLogDetailsWindow WRITE setShowLogDetailsWindow)

public:
    explicit AppSettings(QObject *parent = nullptr);
    explicit AppSettings(AppEnvironment environment, QObject *parent = nullptr);

    Page currentPage() const { return m_currentPage; }
    const ProductMap &products() const { return m_products; }
    FinderAccess accessType() const { return m_accessType; }
    bool agreeWithTerms() const { return m_agreeWithTerms; }
    bool showLicenseAlert() const { return m_showLicenseAlert; }
    bool showPermanentlyAlert() const { return m_showPermanentlyAlert; }
    bool showFinderAlert() const { return m_showFinderAlert; }
    bool completedWithErrors() const { return m_completedWithErrors; }
    bool showLogDetailsWindow() const { return m_showLogDetailsWindow; }
    QClipboard *pasteboard() const { return m_pasteboard; }
    const QString &logDetailsStr() const { return m_logDetailsStr; }
    // Present from the start of an installation until its outcome has been
    // applied, holding the latest step the script host reported.
    const std::optional<ScriptProgress> &installProgress() const { return m_installProgress; }
    // A script (installation or access probe), or the room check before an
    // installation, is running and the caller waits.
    bool scriptRunning() const { return m_scriptRunning; }

    void setCurrentPage(Page value) { publish(m_currentPage, value); }
    void setProducts(ProductMap value) { publish(m_products, std::move(value)); }
    void setAccessType(FinderAccess value) { publish(m_accessType, value); }
    void setAgreeWithTerms(bool value) { publish(m_agreeWithTerms, value); }
    void setShowLicenseAlert(bool value) { publish(m_showLicenseAlert, value); }
    void setShowPermanentlyAlert(bool value) { publish(m_showPermanentlyAlert, value); }
    void setShowFinderAlert(bool value) { publish(m_showFinderAlert, value); }
    void setCompletedWithErrors(bool value) { publish(m_completedWithErrors, value); }
    void setShowLogDetailsWindow(bool value) { publish(m_showLogDetailsWindow, value); }
    void setInstallProgress(std::optional<ScriptProgress> value) { publish(m_installProgress, std::move(value)); }
    // Not published: nobody is told.
    void setLogDetailsStr(const QString &value) { m_logDetailsStr = value; }

    // Page flow and selection.
    void nextAction();
    void agreeWithLicense();
    void terminateApp();
    void selectAll();
    bool selectedExist() const;

    // Product discovery and the install plan.
    ProductMap productsToInstall() const;
    void refreshProducts();
    QStringList elementsToCopy() const;
    // The elements together with what of the selection cannot be installed.
    InstallPlan installPlan() const;

    // Installation. Each returns once its script has finished; meanwhile the
    // calling (main) thread keeps painting and handling timers and window
    // events, but takes no user input. The outcome is applied on a later turn
    // of the event loop. A call made while another script runs (a timer
    // firing during the wait) does nothing.
    void installSelectedProducts();
    void performScript(const QString &script);
    void checkAccess();

signals:
    void objectWillChange();
    // A script has finished and its caller is about to return; its outcome
    // is still to be applied. Also sent, with the outcome applied, when the
    // room check has refused an installation.
    void scriptRunEnded();

private:
    template<typename T, typename U>
    void publish(T &field, U &&value)
    {
        emit objectWillChange();
        field = std::forward<U>(value);
    }

    // Runs `script` on a worker thread while the caller waits, then queues
    // `apply` with its outcome to this object's thread. Progress reaches
    // installProgress only while an installation has set it.
    void runInBackground(const QString &script, void (AppSettings::*apply)(const ScriptOutcome &));
    void showProgress(const ScriptProgress &progress);
    void applyInstallOutcome(const ScriptOutcome &outcome);
    void applyProbeOutcome(const ScriptOutcome &outcome);
    // Whether the run fits the file systems it writes to, asked on a worker
    // thread while the caller waits as it does for a script; absent when the
    // environment has no check.
    std::optional<roomverdict::Verdict> checkRoom(const Product::InstallTargets &targets, const QStringList &elements);
    // A run that would stop half-way for lack of room or on a read-only file
    // system does not start: no password prompt, nothing written. It ends as
    // a failed run ends.
    void refuseInstall(const roomverdict::Verdict &verdict);

    AppEnvironment m_environment;
    Page m_currentPage = Page::intro;
    ProductMap m_products;
    FinderAccess m_accessType = FinderAccess::unknown;
    bool m_agreeWithTerms = false;
    bool m_showLicenseAlert = false;
    bool m_showPermanentlyAlert = false;
    bool m_showFinderAlert = false;
    bool m_completedWithErrors = false;
    bool m_showLogDetailsWindow = false;
    QClipboard *m_pasteboard = nullptr;
    QString m_logDetailsStr;
    std::optional<ScriptProgress> m_installProgress;
    bool m_scriptRunning = false;
    // What the plan of the running installation could not include.
    QStringList m_planFailures;
};
