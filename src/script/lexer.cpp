#include "script/lexer.h"

namespace script {
namespace {

bool isWordStart(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; }
bool isWordPart(QChar c) { return isWordStart(c) || (c >= u'0' && c <= u'9'); }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

QChar Lexer::peek(qsizetype ahead) const
{
    const qsizetype at = m_pos + ahead;
    return at < m_source.size() ? m_source[at] : QChar();
}

void Lexer::advance()
{
    const QChar c = m_source[m_pos++];
    if (c == u'\n' || (c == u'\r' && peek() != u'\n')) {
        ++m_line;
        m_column = 1;
    } else if (c != u'\r') {
        ++m_column;
    }
}

Token Lexer::next()
{
    while (m_pos < m_source.size() && (peek() == u' ' || peek() == u'\t'))
        advance();
    Token token;
    token.line = m_line;
    token.column = m_column;
    if (m_pos >= m_source.size())
        return token;

    const QChar c = peek();
    const qsizetype start = m_pos;
    if (c == u'\n' || c == u'\r') {
        if (c == u'\r' && peek(1) == u'\n')
            advance();
        advance();
        token.kind = Token::Kind::lineEnd;
    } else if (c == u'"') {
        return text(token.line, token.column);
    } else if (isWordStart(c)) {
        while (m_pos < m_source.size() && isWordPart(peek()))
            advance();
        token.kind = Token::Kind::word;
        token.value = m_source.mid(start, m_pos - start).toString();
    } else if (isDigit(c)) {
        while (isDigit(peek()))
            advance();
        if (peek() == u'.' && isDigit(peek(1))) {
            advance();
            while (isDigit(peek()))
                advance();
        }
        token.kind = Token::Kind::number;
        token.value = m_source.mid(start, m_pos - start).toString();
    } else if (c == u'-') {
        advance();
        token.kind = Token::Kind::minus;
        token.value = QStringLiteral("-");
    } else {
        // A surrogate pair is one character to the reader.
        advance();
        if (c.isHighSurrogate() && peek().isLowSurrogate())
            advance();
        token.kind = Token::Kind::unknown;
        token.value = m_source.mid(start, m_pos - start).toString();
    }
    return token;
}

Token Lexer::text(int line, int column)
{
    Token token;
    token.line = line;
    token.column = column;
    advance(); // the opening quote
    while (m_pos < m_source.size()) {
        const QChar c = peek();
        if (c == u'"') {
            advance();
            token.kind = Token::Kind::text;
            return token;
        }
        if (c != u'\\') {
            token.value += c;
            advance();
            continue;
        }
        const int escapeLine = m_line;
        const int escapeColumn = m_column;
        advance();
        if (m_pos >= m_source.size())
            break;
        const QChar escaped = peek();
        switch (escaped.unicode()) {
        case u'\\': token.value += u'\\'; break;
        case u'"': token.value += u'"'; break;
        case u'n': token.value += u'\n'; break;
        case u'r': token.value += u'\r'; break;
        case u't': token.value += u'\t'; break;
        default:
            token.kind = Token::Kind::badText;
            token.line = escapeLine;
            token.column = escapeColumn;
            token.value = QStringLiteral("\\") + escaped;
            token.problem = QStringLiteral("Expected “\"” but found unknown token “%1”.").arg(token.value);
            return token;
        }
        advance();
    }
    token.kind = Token::Kind::badText;
    token.problem = QStringLiteral("Expected “\"” but found end of script.");
    return token;
}

QString describe(const Token &token)
{
    switch (token.kind) {
    case Token::Kind::scriptEnd: return QStringLiteral("end of script");
    case Token::Kind::lineEnd: return QStringLiteral("end of line");
    case Token::Kind::text: return QStringLiteral("“\"”");
    case Token::Kind::unknown: return QStringLiteral("unknown token “%1”").arg(token.value);
    default: return QStringLiteral("“%1”").arg(token.value);
    }
}

} // namespace script
