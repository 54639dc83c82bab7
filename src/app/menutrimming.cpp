#include "app/menutrimming.h"

#include <QAction>
#include <QMenuBar>

namespace {

// "&File" shows as "File"; "&&" shows one "&".
QString shownTitle(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown.append(text[i]);
    }
    return shown;
}

} // namespace

void trimMenuBar(QMenuBar &menuBar)
{
    for (const QString &title : {QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("View")}) {
        const QList<QAction *> items = menuBar.actions();
        const auto found = std::find_if(items.begin(), items.end(),
                                        [&title](const QAction *item) { return shownTitle(item->text()) == title; });
        if (found != items.end())
            menuBar.removeAction(*found);
    }
}

void trimWindowMenus(QWidget &window)
{
    const auto bars = window.findChildren<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    for (QMenuBar *bar : bars)
        trimMenuBar(*bar);
}
