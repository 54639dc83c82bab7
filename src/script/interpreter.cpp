#include "script/interpreter.h"

#include "script/compiler.h"

#include <QHash>

namespace script {
namespace {

class Machine
{
public:
    Machine(const Program &program, Commands &commands)
        : m_code(program.instructions)
        , m_commands(commands)
    {
    }

    Outcome run()
    {
        std::size_t pc = 0;
        while (pc < m_code.size()) {
            const Instruction &step = m_code[pc];
            std::optional<RaisedError> raised;
            std::size_t next = pc + 1;
            switch (step.op) {
            case Instruction::Op::tryEnter:
                m_handlers.push_back(step.target);
                break;
            case Instruction::Op::tryLeave:
                m_handlers.pop_back();
                next = step.target;
                break;
            case Instruction::Op::catchError:
                if (!step.name.isEmpty() && m_caught)
                    m_variables.insert(step.name, m_caught->message);
                m_caught.reset();
                break;
            case Instruction::Op::tellEnter:
                if (!isScriptableApplication(step.name))
                    raised = RaisedError{applicationUnavailableNumber,
                                         QStringLiteral("Application “%1” isn’t running.").arg(step.name)};
                break;
            case Instruction::Op::tellLeave:
                break;
            case Instruction::Op::doShellScript:
                raised = shell(step);
                break;
            case Instruction::Op::setVariable:
                if (const auto value = evaluate(step.expression, raised)) {
                    m_variables.insert(step.name, *value);
                    m_result = *value;
                }
                break;
            case Instruction::Op::returnValue:
                if (!step.hasExpression)
                    return {};
                if (const auto value = evaluate(step.expression, raised))
                    return {*value, std::nullopt};
                break;
            }
            if (raised) {
                if (m_handlers.empty())
                    return {std::nullopt, ScriptError{ErrorStage::run, raised->number, raised->message, step.line, 0}};
                next = m_handlers.back();
                m_handlers.pop_back();
                m_caught = raised;
            }
            pc = next;
        }
        return {m_result, std::nullopt};
    }

private:
    std::optional<QString> evaluate(const Expression &e, std::optional<RaisedError> &raised)
    {
        switch (e.kind) {
        case Expression::Kind::text:
        case Expression::Kind::number:
            return e.value;
        case Expression::Kind::applicationSupport:
            return m_commands.applicationSupportFolder();
        case Expression::Kind::variable:
            if (const auto found = m_variables.constFind(e.value); found != m_variables.constEnd())
                return *found;
            raised = RaisedError{undefinedVariableNumber, QStringLiteral("The variable %1 is not defined.").arg(e.spelling)};
            return std::nullopt;
        }
        return std::nullopt;
    }

    std::optional<RaisedError> shell(const Instruction &step)
    {
        std::optional<RaisedError> raised;
        const auto command = evaluate(step.expression, raised);
        if (!command)
            return raised;
        auto reply = m_commands.doShellScript(*command, step.privileges);
        if (auto *error = std::get_if<RaisedError>(&reply))
            return *error;
        const ShellReply &done = std::get<ShellReply>(reply);
        if (done.status != 0)
            return failureOf(done);
        m_result = resultText(done.out);
        return std::nullopt;
    }

    const std::vector<Instruction> &m_code;
    Commands &m_commands;
    std::vector<std::size_t> m_handlers;
    QHash<QString, QString> m_variables;
    std::optional<RaisedError> m_caught;
    std::optional<QString> m_result;
};

} // namespace

bool isScriptableApplication(const QString &name) { return name == u"Finder"; }

Outcome execute(const Program &program, Commands &commands) { return Machine(program, commands).run(); }

Outcome run(QStringView source, Commands &commands)
{
    auto compiled = compile(source);
    if (auto *error = std::get_if<ScriptError>(&compiled))
        return {std::nullopt, *error};
    return execute(std::get<Program>(compiled), commands);
}

} // namespace script
