#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Which of the user's languages the installer speaks, and where localized
// resources are looked for. Language names are written as in resource folder
// names: "de", "pt_BR", "zh_CN".
namespace languages {

// The names to try, best first, for the desktop's preferred UI languages as
// Qt reports them (BCP 47 tags such as "pt-BR" or "zh-Hans-CN", in the
// user's order): each language's regional forms before the bare language,
// so "pt-BR" gives "pt_BR" then "pt". The regional form that a script is
// shipped under follows the regions written in that script, so "zh-Hans-SG"
// gives "zh_SG", "zh_CN", "zh", where "zh-Hant-TW" gives "zh_TW", "zh".
// English, the language of the base texts and files, ends the list: a user
// who prefers it to the languages after it is served best by the base.
QStringList lookupOrder(const QStringList &uiLanguages);

// The lookup order for the running desktop's preferred UI languages.
QStringList systemLookupOrder();

// The first name of `lookupOrder` that is among the `shipped` translations;
// absent when English comes first or nothing matches, as the texts are
// written in English.
std::optional<QString> chooseTranslation(const QStringList &lookupOrder, const QStringList &shipped);

} // namespace languages
