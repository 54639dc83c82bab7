#pragma once

#include <QString>
#include <cstddef>
#include <vector>

namespace script {

enum class Privileges { user, administrator };

struct Expression
{
    enum class Kind { text, number, variable, applicationSupport };
    Kind kind = Kind::text;
    QString value; // the text, the number's text, or the variable's name in lower case
    QString spelling; // the variable's name as written, for messages
};

// One step of a compiled script. Every jump goes forward, so a run ends
// after at most as many steps as there are instructions.
struct Instruction
{
    enum class Op {
        tryEnter,      // install a handler that starts at `target`
        tryLeave,      // the guarded part ended: drop the handler, go to `target`
        catchError,    // first step of a handler: bind the message to `name` when given
        tellEnter,     // `name` is the application
        tellLeave,
        doShellScript, // run `expression` as a shell command with `privileges`
        setVariable,   // `name` = `expression`
        returnValue,   // end the script with `expression`, or with no result
    };
    Op op = Op::returnValue;
    Expression expression;
    bool hasExpression = false;
    QString name;
    std::size_t target = 0;
    Privileges privileges = Privileges::user;
    int line = 0;
};

struct Program
{
    std::vector<Instruction> instructions;
};

// The `do shell script` steps of `program`. Since every jump goes forward,
// no run carries out more shell commands than this.
inline int shellCommandCount(const Program &program)
{
    int count = 0;
    for (const Instruction &step : program.instructions)
        count += step.op == Instruction::Op::doShellScript ? 1 : 0;
    return count;
}

} // namespace script
