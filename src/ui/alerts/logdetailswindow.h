#pragma once

#include "ui/alerts/alertcard.h"

class AppSettings;
class QPlainTextEdit;
class QPushButton;

// Shows the message a failed installation left behind, in a white area that
// scrolls both ways, with the text selectable by mouse and keyboard. Buttons,
// by objectName: "copyLogButton" puts the text on the clipboard as plain
// text, and has a screen reader say so; "closeLogButton" closes the window.
// The log area is "logText".
class LogDetailsWindow : public AlertCard
{
    Q_OBJECT

public:
    static constexpr QSize maximumCardSize{500, 400};
    static constexpr QSize logAreaSize{500, 300};
    // The same gray as the window's background.
    static QColor cardColor() { return QColor(241, 241, 241); }

    // Lines longer than this are shown continued on the next line: laying out
    // one line of megabytes would freeze the window. What is copied is the
    // log itself.
    static constexpr qsizetype longestShownLine = 10000;

    explicit LogDetailsWindow(AppSettings &settings, QWidget *parent = nullptr);

    // Shows the current log text. The text announces no changes of its own,
    // so the alert layer calls this at each of its evaluations.
    void refresh();

    // The log as the area shows it: `log` with overlong lines broken.
    static QString shownText(const QString &log);

private:
    void copyToClipboard();

    AppSettings &m_settings;
    QPlainTextEdit *m_logText = nullptr;
    QPushButton *m_copy = nullptr;
    // The log the area was last filled from.
    QString m_shownLog;
};
