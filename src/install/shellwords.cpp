#include "install/shellwords.h"

namespace shellwords {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Characters that end a word when they are not quoted.
bool isOperator(QChar c)
{
    return c == u';' || c == u'&' || c == u'|' || c == u'<' || c == u'>' || c == u'(' || c == u')';
}

// Unquoted, these make sh expand or match the word.
bool expandsUnquoted(QChar c)
{
    return c == u'$' || c == u'`' || c == u'*' || c == u'?' || c == u'[' || c == u'~' || c == u'#' || c == u'{';
}

// Reads one word from `pos` on; nothing at the end or at an operator, and
// `broken` is set for an unclosed quote.
std::optional<Word> nextWord(QStringView text, qsizetype &pos, bool &broken)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos >= text.size() || isOperator(text[pos]))
        return std::nullopt;
    Word word;
    while (pos < text.size() && !isBlank(text[pos]) && !isOperator(text[pos])) {
        const QChar c = text[pos++];
        if (c == u'\\') {
            if (pos < text.size() && text[pos] != u'\n')
                word.text += text[pos];
            ++pos;
        } else if (c == u'\'') {
            while (pos < text.size() && text[pos] != u'\'')
                word.text += text[pos++];
            broken = broken || pos >= text.size();
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
                } else if (inner == u'$' || inner == u'`') {
                    word.literal = false;
                }
                word.text += inner;
            }
            broken = broken || pos >= text.size();
            ++pos;
        } else {
            if (expandsUnquoted(c))
                word.literal = false;
            word.text += c;
        }
    }
    return word;
}

} // namespace

std::optional<SimpleCommand> parse(QStringView command)
{
    SimpleCommand parsed;
    qsizetype pos = 0;
    bool broken = false;
    while (auto word = nextWord(command, pos, broken))
        parsed.words.append(*word);
    while (pos < command.size() && isBlank(command[pos]))
        ++pos;
    // Only "> file" after a blank: "2>file" would be another descriptor,
    // ">>", ">&" and ">|" other redirections.
    const bool output = pos > 0 && pos < command.size() && command[pos] == u'>' && isBlank(command[pos - 1])
                        && !(pos + 1 < command.size()
                             && (command[pos + 1] == u'>' || command[pos + 1] == u'&' || command[pos + 1] == u'|'));
    if (output) {
        ++pos;
        parsed.output = nextWord(command, pos, broken);
        if (!parsed.output)
            return std::nullopt;
        while (pos < command.size() && isBlank(command[pos]))
            ++pos;
    }
    if (broken || pos < command.size() || parsed.words.isEmpty())
        return std::nullopt;
    return parsed;
}

} // namespace shellwords
