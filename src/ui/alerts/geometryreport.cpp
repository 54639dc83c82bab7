#include "ui/alerts/geometryreport.h"

#include "state/appsettings.h"
#include "ui/alerts/overlaychoice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSaveFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace geometryreport {

namespace {

constexpr int intervalMs = 200;

const char *pageName(Page page)
{
    switch (page) {
    case Page::intro:
        return "intro";
    case Page::license:
        return "license";
    case Page::products:
        return "products";
    case Page::install:
        return "install";
    case Page::summary:
        return "summary";
    }
    return "?";
}

const char *overlayName(Overlay overlay)
{
    switch (overlay) {
    case Overlay::none:
        return "none";
    case Overlay::licenseAlert:
        return "licenseAlert";
    case Overlay::installConfirmation:
        return "installConfirmation";
    case Overlay::finderAccess:
        return "finderAccess";
    case Overlay::logDetails:
        return "logDetails";
    case Overlay::installProgress:
        return "installProgress";
    }
    return "?";
}

QByteArray report(const AppSettings &settings)
{
    QByteArray text;
    text += QByteArray("page\t") + pageName(settings.currentPage()) + '\n';
    text += QByteArray("overlay\t") + overlayName(chooseOverlay(overlayFlags(settings))) + '\n';
    if (const auto &progress = settings.installProgress()) {
        QString folder = progress->copiedFolder;
        folder.replace(u'\t', u' ').replace(u'\n', u' ');
        text += QStringLiteral("progress\t%1\t%2\t%3\t%4\n")
                    .arg(progress->command)
                    .arg(progress->commandCount)
                    .arg(progress->waitingForAuthentication ? 1 : 0)
                    .arg(folder)
                    .toUtf8();
    }
    // Keyboard scripts check where a key press will land before pressing.
    if (const QWidget *focus = QApplication::focusWidget()) {
        const QByteArray name = focus->objectName().isEmpty() ? QByteArray(focus->metaObject()->className())
                                                               : focus->objectName().toUtf8();
        text += QByteArray("focus\t") + name + '\n';
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        // The platform and the window's frame tell whether it runs decorated
        // on the display system a script expects.
        if (const QWindow *handle = window->windowHandle()) {
            const QMargins frame = handle->frameMargins();
            text += QStringLiteral("window\t%1\t%2 %3\t%4 %5 %6 %7\n")
                        .arg(QGuiApplication::platformName())
                        .arg(window->width())
                        .arg(window->height())
                        .arg(frame.left())
                        .arg(frame.top())
                        .arg(frame.right())
                        .arg(frame.bottom())
                        .toUtf8();
        }
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (!button->isVisible())
                continue;
            const QPoint topLeft = button->mapToGlobal(QPoint(0, 0));
            QString label = button->text();
            label.remove(QLatin1Char('&'));
            const QString name = button->objectName().isEmpty() ? QStringLiteral("-") : button->objectName();
            text += QStringLiteral("button\t%1\t%2\t%3\t%4 %5 %6 %7\n")
                        .arg(label, name, button->isEnabled() ? QStringLiteral("1") : QStringLiteral("0"))
                        .arg(topLeft.x())
                        .arg(topLeft.y())
                        .arg(button->width())
                        .arg(button->height())
                        .toUtf8();
        }
    }
    return text;
}

} // namespace

void startIfRequested(const AppSettings &settings, QObject *owner)
{
    const QString path = qEnvironmentVariable("VELTRANO_DEBUG_GEOMETRY");
    if (path.isEmpty())
        return;
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [&settings, path] {
        // Replaced as a whole, so a reader never sees half a report.
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(report(settings));
            file.commit();
        }
    });
    timer->start(intervalMs);
}

} // namespace geometryreport
