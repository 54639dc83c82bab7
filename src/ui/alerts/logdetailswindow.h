#pragma once

#include "ui/alerts/alertcard.h"

class AppSettings;
class QLabel;
class QScrollArea;

// Shows the message a failed installation left behind, in a white area that
// scrolls both ways, with the text selectable. Buttons, by objectName:
// "copyLogButton" puts the text on the clipboard as plain text,
// "closeLogButton" closes the window. The log area is "logArea", the text
// "logText".
class LogDetailsWindow : public AlertCard
{
    Q_OBJECT

public:
    static constexpr QSize maximumCardSize{500, 400};
    static constexpr QSize logAreaSize{500, 300};
    // The same gray as the window's background.
    static QColor cardColor() { return QColor(241, 241, 241); }

    explicit LogDetailsWindow(AppSettings &settings, QWidget *parent = nullptr);

    // Shows the current log text. The text announces no changes of its own,
    // so the alert layer calls this at each of its evaluations.
    void refresh();

private:
    void copyToClipboard();

    AppSettings &m_settings;
    QScrollArea *m_logArea = nullptr;
    QLabel *m_logText = nullptr;
};
