#include "app/translations.h"

#include "platform/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace translations {
namespace {

const QString ownPrefix = QStringLiteral("veltrano_");
const QString qtPrefix = QStringLiteral("qtbase_");
const QString suffix = QStringLiteral(".qm");

} // namespace

QString folderIn(const QString &resources) { return resources + QStringLiteral("/translations"); }

QStringList shipped(const QString &folder)
{
    QStringList languages;
    const QStringList files = QDir(folder).entryList({ownPrefix + u'*' + suffix}, QDir::Files | QDir::Readable);
    for (const QString &file : files)
        languages += file.mid(ownPrefix.size(), file.size() - ownPrefix.size() - suffix.size());
    return languages;
}

std::optional<QString> install(QCoreApplication &app, const QString &folder, const QStringList &lookupOrder)
{
    const auto language = languages::chooseTranslation(lookupOrder, shipped(folder));
    if (!language)
        return std::nullopt;
    // Owned by the application, which the translations must outlive anyway.
    auto *own = new QTranslator(&app);
    if (!own->load(ownPrefix + *language + suffix, folder)) {
        delete own;
        return std::nullopt;
    }
    auto *qt = new QTranslator(&app);
    if (qt->load(qtPrefix + *language + suffix, folder))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
    return language;
}

} // namespace translations
