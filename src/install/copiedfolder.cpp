#include "install/copiedfolder.h"

#include "install/shellwords.h"
#include "platform/pathtext.h"

namespace copiedfolder {

QString nameOf(QStringView command)
{
    const auto parsed = shellwords::parse(command);
    if (!parsed || parsed->words.constFirst().text != u"cp")
        return {};
    qsizetype at = 1;
    const QList<shellwords::Word> &words = parsed->words;
    while (at < words.size() && words[at].text.startsWith(u'-') && words[at].text != u"-") {
        if (words[at++].text == u"--")
            break;
    }
    if (at >= words.size())
        return {};
    const QString path = pathtext::withoutTrailingSlashes(words[at].text);
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace copiedfolder
