#include "script/compiler.h"

#include "script/lexer.h"

#include <QStringList>

#include <cmath>
#include <optional>

namespace script {
namespace {

struct Block
{
    enum class Kind { tryBlock, tellBlock };
    Kind kind = Kind::tryBlock;
    std::size_t enterIndex = 0;         // the tryEnter to patch with the handler's start
    std::optional<std::size_t> leaveIndex; // the tryLeave to patch with the end, once `on error` is seen
};

const QStringList &reservedWords()
{
    static const QStringList words{
        QStringLiteral("try"),    QStringLiteral("on"),       QStringLiteral("error"),
        QStringLiteral("end"),    QStringLiteral("tell"),     QStringLiteral("application"),
        QStringLiteral("return"), QStringLiteral("do"),       QStringLiteral("shell"),
        QStringLiteral("script"), QStringLiteral("with"),     QStringLiteral("administrator"),
        QStringLiteral("privileges"), QStringLiteral("set"),  QStringLiteral("to"),
        QStringLiteral("path"),
    };
    return words;
}

struct Failure
{
    ScriptError error;
};

class Compiler
{
public:
    explicit Compiler(QStringView source)
        : m_lexer(source)
    {
        advance();
    }

    Program run()
    {
        for (;;) {
            skipLineEnds();
            if (m_token.kind == Token::Kind::scriptEnd)
                break;
            statement();
        }
        if (!m_blocks.empty())
            fail(m_blocks.back().kind == Block::Kind::tryBlock ? QStringLiteral("“end” or “end try”")
                                                               : QStringLiteral("“end” or “end tell”"));
        return std::move(m_program);
    }

private:
    [[noreturn]] void fail(const QString &expected) const
    {
        throwAt(m_token, QStringLiteral("Expected %1 but found %2.").arg(expected, describe(m_token)));
    }

    [[noreturn]] static void throwAt(const Token &token, const QString &message)
    {
        throw Failure{{ErrorStage::compile, syntaxErrorNumber, message, token.line, token.column}};
    }

    void advance()
    {
        m_token = m_lexer.next();
        if (m_token.kind == Token::Kind::badText)
            throwAt(m_token, m_token.problem);
    }

    bool isWord(QStringView word) const
    {
        return m_token.kind == Token::Kind::word && m_token.value.compare(word, Qt::CaseInsensitive) == 0;
    }

    void expectWord(QStringView word)
    {
        if (!isWord(word))
            fail(QStringLiteral("“%1”").arg(word));
        advance();
    }

    void skipLineEnds()
    {
        while (m_token.kind == Token::Kind::lineEnd)
            advance();
    }

    void endOfStatement()
    {
        if (m_token.kind != Token::Kind::lineEnd && m_token.kind != Token::Kind::scriptEnd)
            fail(QStringLiteral("end of line"));
    }

    bool isVariableName() const
    {
        return m_token.kind == Token::Kind::word && !reservedWords().contains(m_token.value, Qt::CaseInsensitive);
    }

    QString variableName()
    {
        if (!isVariableName())
            fail(QStringLiteral("variable name"));
        const QString name = m_token.value;
        advance();
        return name;
    }

    std::size_t append(Instruction instruction)
    {
        m_program.instructions.push_back(std::move(instruction));
        return m_program.instructions.size() - 1;
    }

    Instruction at(Instruction::Op op, int line) const
    {
        Instruction instruction;
        instruction.op = op;
        instruction.line = line;
        return instruction;
    }

    Expression expression()
    {
        Expression e;
        if (m_token.kind == Token::Kind::text) {
            e.kind = Expression::Kind::text;
            e.value = m_token.value;
            advance();
        } else if (m_token.kind == Token::Kind::number || m_token.kind == Token::Kind::minus) {
            QString sign;
            if (m_token.kind == Token::Kind::minus) {
                sign = QStringLiteral("-");
                advance();
                if (m_token.kind != Token::Kind::number)
                    fail(QStringLiteral("number"));
            }
            e.kind = Expression::Kind::number;
            e.value = numberText(sign + m_token.value);
            advance();
        } else if (isWord(u"path")) {
            advance();
            expectWord(u"to");
            expectWord(u"application");
            expectWord(u"support");
            e.kind = Expression::Kind::applicationSupport;
        } else if (isVariableName()) {
            e.kind = Expression::Kind::variable;
            e.spelling = m_token.value;
            e.value = m_token.value.toLower();
            advance();
        } else {
            fail(QStringLiteral("expression"));
        }
        return e;
    }

    // Integers keep their digits (without leading zeros); other numbers are
    // written the way the result of a real is shown.
    QString numberText(const QString &written) const
    {
        bool ok = false;
        const qlonglong integer = written.toLongLong(&ok);
        if (ok)
            return QString::number(integer);
        const double real = written.toDouble(&ok);
        if (!ok || !std::isfinite(real))
            throwAt(m_token, QStringLiteral("The number %1 is too large.").arg(written));
        return QString::number(real, 'g', 15);
    }

    void statement()
    {
        const int line = m_token.line;
        if (isWord(u"try")) {
            advance();
            endOfStatement();
            m_blocks.push_back({Block::Kind::tryBlock, append(at(Instruction::Op::tryEnter, line)), std::nullopt});
        } else if (isWord(u"on")) {
            onError(line);
        } else if (isWord(u"end")) {
            endBlock(line);
        } else if (isWord(u"tell")) {
            advance();
            expectWord(u"application");
            if (m_token.kind != Token::Kind::text)
                fail(QStringLiteral("application name"));
            Instruction tell = at(Instruction::Op::tellEnter, line);
            tell.name = m_token.value;
            advance();
            endOfStatement();
            m_blocks.push_back({Block::Kind::tellBlock, append(std::move(tell)), std::nullopt});
        } else if (isWord(u"return")) {
            advance();
            Instruction ret = at(Instruction::Op::returnValue, line);
            if (m_token.kind != Token::Kind::lineEnd && m_token.kind != Token::Kind::scriptEnd) {
                ret.expression = expression();
                ret.hasExpression = true;
            }
            endOfStatement();
            append(std::move(ret));
        } else if (isWord(u"do")) {
            advance();
            expectWord(u"shell");
            expectWord(u"script");
            Instruction shell = at(Instruction::Op::doShellScript, line);
            shell.expression = expression();
            shell.hasExpression = true;
            if (isWord(u"with")) {
                advance();
                expectWord(u"administrator");
                expectWord(u"privileges");
                shell.privileges = Privileges::administrator;
            }
            endOfStatement();
            append(std::move(shell));
        } else if (isWord(u"set")) {
            advance();
            Instruction set = at(Instruction::Op::setVariable, line);
            set.name = variableName().toLower();
            expectWord(u"to");
            set.expression = expression();
            set.hasExpression = true;
            endOfStatement();
            append(std::move(set));
        } else {
            fail(QStringLiteral("“try”, “tell”, “set”, “do shell script”, “return” or “end”"));
        }
    }

    void onError(int line)
    {
        if (m_blocks.empty() || m_blocks.back().kind != Block::Kind::tryBlock || m_blocks.back().leaveIndex)
            fail(m_blocks.empty() ? QStringLiteral("“try”, “tell”, “set”, “do shell script”, “return” or “end”")
                                  : QStringLiteral("“end”"));
        advance();
        expectWord(u"error");
        Instruction handler = at(Instruction::Op::catchError, line);
        if (m_token.kind != Token::Kind::lineEnd && m_token.kind != Token::Kind::scriptEnd)
            handler.name = variableName().toLower();
        endOfStatement();
        Block &block = m_blocks.back();
        block.leaveIndex = append(at(Instruction::Op::tryLeave, line));
        m_program.instructions[block.enterIndex].target = append(std::move(handler));
    }

    void endBlock(int line)
    {
        if (m_blocks.empty())
            fail(QStringLiteral("“try”, “tell”, “set”, “do shell script”, “return” or “end”"));
        advance();
        const Block block = m_blocks.back();
        const bool isTry = block.kind == Block::Kind::tryBlock;
        if (m_token.kind == Token::Kind::word) {
            if (!isWord(isTry ? u"try" : u"tell"))
                fail(isTry ? QStringLiteral("“end” or “end try”") : QStringLiteral("“end” or “end tell”"));
            advance();
        }
        endOfStatement();
        m_blocks.pop_back();
        if (!isTry) {
            append(at(Instruction::Op::tellLeave, line));
            return;
        }
        std::vector<Instruction> &code = m_program.instructions;
        if (block.leaveIndex) {
            code[*block.leaveIndex].target = code.size();
        } else {
            // No handler: an error skips the rest of the block and is forgotten.
            const std::size_t leave = append(at(Instruction::Op::tryLeave, line));
            code[leave].target = code.size();
            code[block.enterIndex].target = code.size();
        }
    }

    Lexer m_lexer;
    Token m_token;
    Program m_program;
    std::vector<Block> m_blocks;
};

} // namespace

std::variant<Program, ScriptError> compile(QStringView source)
{
    try {
        Compiler compiler(source);
        return compiler.run();
    } catch (const Failure &failure) {
        return failure.error;
    }
}

} // namespace script
