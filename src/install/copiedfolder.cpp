#include "install/copiedfolder.h"

#include <optional>

namespace copiedfolder {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Characters that end a simple command when they are not quoted.
bool isOperator(QChar c)
{
    return c == u';' || c == u'&' || c == u'|' || c == u'<' || c == u'>' || c == u'(' || c == u')';
}

// Reads one word from `pos` on, undoing quotes and backslashes; no value at
// the end of the command or at an operator.
std::optional<QString> nextWord(QStringView text, qsizetype &pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos >= text.size() || isOperator(text[pos]))
        return std::nullopt;
    QString word;
    while (pos < text.size() && !isBlank(text[pos]) && !isOperator(text[pos])) {
        const QChar c = text[pos++];
        if (c == u'\\') {
            if (pos < text.size() && text[pos] != u'\n')
                word += text[pos];
            ++pos;
        } else if (c == u'\'') {
            while (pos < text.size() && text[pos] != u'\'')
                word += text[pos++];
            ++pos;
        } else if (c == u'"') {
            while (pos < text.size() && text[pos] != u'"') {
                QChar inner = text[pos++];
                // Inside double quotes a backslash quotes only these.
                if (inner == u'\\' && pos < text.size()
                    && (text[pos] == u'$' || text[pos] == u'`' || text[pos] == u'"' || text[pos] == u'\\'
                        || text[pos] == u'\n')) {
                    inner = text[pos++];
                    if (inner == u'\n')
                        continue;
                }
                word += inner;
            }
            ++pos;
        } else {
            word += c;
        }
    }
    return word;
}

} // namespace

QString nameOf(QStringView command)
{
    qsizetype pos = 0;
    if (nextWord(command, pos) != QStringLiteral("cp"))
        return {};
    std::optional<QString> word;
    while ((word = nextWord(command, pos)) && word->startsWith(u'-') && *word != u"-") {
        if (*word == u"--") {
            word = nextWord(command, pos);
            break;
        }
    }
    if (!word)
        return {};
    QString path = *word;
    while (path.endsWith(u'/'))
        path.chop(1);
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace copiedfolder
