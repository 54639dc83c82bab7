#include "platform/languages.h"

#include <QLocale>

namespace languages {
namespace {

struct Tag
{
    QString language;
    QString script;
    QString territory;
};

// Where a language is written in more than one script, the name of the
// resources of one script that serve its regions without resources of their
// own: Simplified Chinese is written the same in Singapore as in China, while
// Taiwan and Hong Kong write Traditional Chinese.
struct ScriptHome
{
    const char16_t *language;
    const char16_t *script;
    const char16_t *name;
};
constexpr ScriptHome scriptHomes[] = {{u"zh", u"Hans", u"zh_CN"}};

std::optional<QString> scriptHome(const Tag &tag)
{
    for (const ScriptHome &home : scriptHomes) {
        if (tag.language == home.language && tag.script == home.script)
            return QString::fromUtf16(home.name);
    }
    return std::nullopt;
}

bool allLetters(QStringView part)
{
    for (const QChar c : part) {
        if (!c.isLetter() || c.unicode() > 0x7f)
            return false;
    }
    return true;
}

// "zh-Hans-CN", "pt_BR.UTF-8" or "sr_RS@latin" in their parts. Absent for
// "C", "POSIX" and anything else that names no language.
std::optional<Tag> parse(QString tag)
{
    tag = tag.section(u'.', 0, 0).section(u'@', 0, 0);
    const QStringList parts = tag.replace(u'_', u'-').split(u'-');
    const QString language = parts.value(0).toLower();
    if (language.size() < 2 || language.size() > 3 || !allLetters(language))
        return std::nullopt;
    Tag result{language, {}, {}};
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (i == 1 && part.size() == 4 && allLetters(part)) {
            result.script = part.left(1).toUpper() + part.mid(1).toLower();
            continue;
        }
        const bool region = (part.size() == 2 && allLetters(part))
            || (part.size() == 3 && part.toInt() > 0);
        if (region) {
            result.territory = part.toUpper();
            break;
        }
    }
    return result;
}

bool isEnglish(const QString &name) { return name == u"en" || name.startsWith(u"en_"); }

} // namespace

QStringList lookupOrder(const QStringList &uiLanguages)
{
    // Qt lists each language several ways ("de", "de-Latn-DE", "de-DE");
    // they are gathered under the language in the order it first appears.
    QStringList order;
    QStringList regional;
    QString current;
    const auto closeLanguage = [&] {
        if (current.isEmpty())
            return;
        order += regional;
        order += current;
        regional.clear();
    };
    for (const QString &entry : uiLanguages) {
        const auto tag = parse(entry);
        if (!tag || order.contains(tag->language))
            continue;
        if (tag->language != current) {
            if (isEnglish(current))
                break;
            closeLanguage();
            current = tag->language;
        }
        const QString name = tag->language + u'_' + tag->territory;
        if (!tag->territory.isEmpty() && !regional.contains(name))
            regional += name;
        if (const auto home = scriptHome(*tag); home && !regional.contains(*home))
            regional += *home;
    }
    closeLanguage();
    return order;
}

QStringList systemLookupOrder() { return lookupOrder(QLocale::system().uiLanguages()); }

std::optional<QString> chooseTranslation(const QStringList &lookupOrder, const QStringList &shipped)
{
    for (const QString &name : lookupOrder) {
        if (shipped.contains(name))
            return name;
        if (isEnglish(name))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace languages
