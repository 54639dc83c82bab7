#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// Watches Qt start its platform plugin. When the plugin cannot start, Qt
// writes several lines (one of them advises reinstalling the application)
// and aborts; the user learns nothing of the cause. While a Watch lives (the
// construction of QApplication), Qt's lines are held back: a plugin that
// fails ends the program with one line in words and exit status 1, a start
// that fell back from the first platform it tried to another says so in one
// line, and a start that went as asked passes the held lines on.
namespace platformstart {

// The one line for a platform plugin that could not start: which platform,
// and the first cause among Qt's held-back lines and the error of loading
// the plugin by hand (`loadError`, empty when it loads).
QString explain(const QString &platform, const QStringList &qtLines, const QString &loadError);

// The platform Qt tries last for a QT_QPA_PLATFORM value: the last of a
// ";"-separated list, its options cut off; "xcb" when the value is empty.
QString lastPlatform(const QString &choice);

// The one line for a start that fell back from the first platform of
// `choice` (a QT_QPA_PLATFORM value) to `used`, with the first of Qt's
// held-back lines as the reason; absent when `used` is the first choice.
std::optional<QString> fallbackLine(const QString &choice, const QString &used, const QStringList &qtLines);

class Watch
{
public:
    Watch();
    ~Watch();
    Watch(const Watch &) = delete;
    Watch &operator=(const Watch &) = delete;

private:
    QtMessageHandler previous_ = nullptr;
};

} // namespace platformstart
