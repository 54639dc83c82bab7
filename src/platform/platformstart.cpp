#include "platformstart.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QLibraryInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace platformstart {

namespace {

struct Held
{
    QtMsgType type;
    QByteArray category;
    QString message;
};

QMutex lock;
QList<Held> held;
QtMessageHandler passOn = nullptr;

QStringList heldMessages(const QList<Held> &lines)
{
    QStringList messages;
    for (const Held &line : lines)
        messages.append(line.message);
    return messages;
}

QStringList heldMessages()
{
    const QMutexLocker locker(&lock);
    return heldMessages(held);
}

void write(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (passOn) {
        passOn(type, context, message);
        return;
    }
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
}

// The error of loading the platform plugin by hand names the library it
// lacks, which Qt tells only with QT_DEBUG_PLUGINS set.
QString loadErrorOf(const QString &platform)
{
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libq")
        + (platform == QStringLiteral("wayland") ? QStringLiteral("wayland-generic") : platform)
        + QStringLiteral(".so");
    void *handle = dlopen(plugin.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle) {
        dlclose(handle);
        return {};
    }
    const char *error = dlerror();
    return error ? QString::fromLocal8Bit(error) : QString();
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg && message.contains(QStringLiteral("platform plugin"))) {
        const QString platform = lastPlatform(qEnvironmentVariable("QT_QPA_PLATFORM"));
        const QByteArray line = explain(platform, heldMessages(), loadErrorOf(platform)).toLocal8Bit();
        std::fprintf(stderr, "VeltranoInstaller: %s\n", line.constData());
        std::fflush(stderr);
        // Returning would let Qt abort, with a core dump and "Aborted".
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        write(type, context, message);
        return;
    }
    const QMutexLocker locker(&lock);
    held.append({type, QByteArray(context.category ? context.category : "default"), message});
}

} // namespace

QString lastPlatform(const QString &choice)
{
    const QStringList tried = choice.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (tried.isEmpty())
        return QStringLiteral("xcb");
    return tried.last().section(QLatin1Char(':'), 0, 0).trimmed();
}

std::optional<QString> fallbackLine(const QString &choice, const QString &used, const QStringList &qtLines)
{
    const QStringList tried = choice.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (tried.isEmpty())
        return std::nullopt;
    const QString first = tried.first().section(QLatin1Char(':'), 0, 0).trimmed();
    if (first == used)
        return std::nullopt;
    QString line = QStringLiteral("%1 did not start").arg(first == QStringLiteral("wayland") ? QStringLiteral("Wayland") : first);
    if (!qtLines.isEmpty())
        line += QStringLiteral(" (%1)").arg(qtLines.first().trimmed());
    return line + QStringLiteral("; using %1.").arg(used == QStringLiteral("xcb") ? QStringLiteral("X11") : used);
}

QString explain(const QString &platform, const QStringList &qtLines, const QString &loadError)
{
    const QString display = platform == QStringLiteral("xcb") ? QStringLiteral("X11")
        : platform == QStringLiteral("wayland")                ? QStringLiteral("Wayland")
                                                               : platform;
    const QString start = QStringLiteral("cannot open its window on %1: ").arg(display);
    if (!loadError.isEmpty())
        return start + loadError;
    for (const QString &line : qtLines) {
        if (line.contains(QStringLiteral("could not connect to display"), Qt::CaseInsensitive)) {
            const QString name = line.section(QStringLiteral("display"), -1).trimmed();
            if (name.isEmpty())
                return start + QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY names a desktop");
            return start + QStringLiteral("no X server answers at DISPLAY=%1").arg(name);
        }
    }
    for (const QString &line : qtLines) {
        if (!line.contains(QStringLiteral("Reinstalling"), Qt::CaseInsensitive)
            && !line.contains(QStringLiteral("Available platform plugins"), Qt::CaseInsensitive))
            return start + line.trimmed();
    }
    return start + QStringLiteral("the platform plugin \"%1\" did not start").arg(platform);
}

Watch::Watch()
{
    previous_ = qInstallMessageHandler(handle);
    passOn = previous_;
}

Watch::~Watch()
{
    qInstallMessageHandler(previous_);
    QList<Held> lines;
    {
        const QMutexLocker locker(&lock);
        lines.swap(held);
    }
    const QString used = QGuiApplication::platformName();
    if (const auto line = fallbackLine(qEnvironmentVariable("QT_QPA_PLATFORM"), used, heldMessages(lines))) {
        const QByteArray text = line->toLocal8Bit();
        std::fprintf(stderr, "VeltranoInstaller: %s\n", text.constData());
        return;
    }
    for (const Held &line : lines) {
        const QMessageLogContext context(nullptr, 0, nullptr, line.category.constData());
        write(line.type, context, line.message);
    }
}

} // namespace platformstart
