#pragma once

#include "install/scriptprogress.h"
#include "ui/alerts/alertcard.h"

#include <QTimer>

#include <chrono>
#include <optional>

class AppSettings;
class QLabel;
class QProgressBar;

// What the installation is doing while it runs: a heading ("Installing…",
// or "Waiting for authentication…" while the password prompt is open), a
// bar that advances with each shell command of the script, and the name of
// the folder being copied. It has no buttons. Children, by objectName:
// "progressHeading", "progressBar", "progressDetail".
//
// The card, which has the focus while it is up, is named by its heading, and
// the folder being copied is told about it (accessibility::tell) as it
// changes, paced by folderNews.
class ProgressAlert : public AlertCard
{
    Q_OBJECT

public:
    static constexpr QSize maximumCardSize{320, 120};

    // Everything the card shows for one report of the script host.
    struct Display
    {
        QString heading;
        QString detail;
        // 0 for a bar that only shows that something is going on.
        int maximum = 0;
        // Commands finished.
        int value = 0;

        bool operator==(const Display &) const = default;
    };
    static Display display(const ScriptProgress &progress);

    explicit ProgressAlert(AppSettings &settings, QWidget *parent = nullptr);

    // Shows the installation's latest progress. The alert layer calls this
    // at each of its evaluations.
    void refresh();

private:
    AppSettings &m_settings;
    QLabel *m_heading = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_detail = nullptr;
    // The folder last told to assistive technology, and when.
    QString m_toldDetail;
    std::optional<std::chrono::steady_clock::time_point> m_toldAt;
    QTimer m_tellLater;
};
