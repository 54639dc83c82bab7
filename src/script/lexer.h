#pragma once

#include <QString>
#include <QStringView>

namespace script {

struct Token
{
    enum class Kind { word, text, number, minus, lineEnd, scriptEnd, unknown, badText };
    Kind kind = Kind::scriptEnd;
    QString value;    // word as written, text with its escapes resolved, number as written
    int line = 1;     // where the token starts
    int column = 1;
    QString problem;  // for badText: what is wrong with the literal
};

// Splits script source into tokens one at a time; the parser pulls them.
// Line breaks are LF, CR or CR LF. A string literal may span lines.
class Lexer
{
public:
    explicit Lexer(QStringView source)
        : m_source(source)
    {
    }

    Token next();

private:
    Token text(int line, int column);
    QChar peek(qsizetype ahead = 0) const;
    void advance();

    QStringView m_source;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_column = 1;
};

// How a token is named in "Expected … but found …" messages.
QString describe(const Token &token);

} // namespace script
