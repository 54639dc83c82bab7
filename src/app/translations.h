#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

// The bundle's translations: Contents/Resources/translations holds
// veltrano_<language>.qm for every shipped language, and beside it Qt's own
// qtbase_<language>.qm for the texts Qt draws itself (a text view's context
// menu).
namespace translations {

// The folder of translations inside the resource folder `resources`.
QString folderIn(const QString &resources);

// The languages `folder` has a translation of the installer's texts for.
QStringList shipped(const QString &folder);

// Installs into `app` the installer's and Qt's translations for the best
// shipped match of `lookupOrder` (see languages::lookupOrder), and returns
// its language; absent when the user is served best by the English texts
// or the translation does not load. Qt's own texts stay English where the
// bundle lacks them.
std::optional<QString> install(QCoreApplication &app, const QString &folder, const QStringList &lookupOrder);

} // namespace translations
