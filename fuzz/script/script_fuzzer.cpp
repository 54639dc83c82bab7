// Feeds arbitrary bytes to the script compiler and runs what compiles
// against commands that only pretend, so no process is ever started.
#include "script/compiler.h"
#include "script/interpreter.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

class PretendCommands final : public script::Commands
{
public:
    std::variant<script::ShellReply, script::RaisedError> doShellScript(const QString &command,
                                                                        script::Privileges privileges) override
    {
        // Vary the answer with the command so every path of the machine is reachable.
        switch (command.size() % 4) {
        case 0: return script::ShellReply{0, command.toUtf8() + "\n", {}};
        case 1: return script::ShellReply{int(command.size() % 256), {}, command.toUtf8()};
        case 2:
            if (privileges == script::Privileges::administrator)
                return script::RaisedError{script::userCanceledNumber, QStringLiteral("User canceled.")};
            return script::ShellReply{-9, {}, {}};
        default: return script::ShellReply{1, {}, {}};
        }
    }
    QString applicationSupportFolder() override { return QStringLiteral("/home/fuzz/.local/share/"); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString source = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto compiled = script::compile(source);
    if (const auto *error = std::get_if<script::ScriptError>(&compiled)) {
        // Every compile error says where it is, inside the source.
        if (error->line < 1 || error->column < 1 || error->message.isEmpty())
            __builtin_trap();
        return 0;
    }
    PretendCommands commands;
    const script::Outcome outcome = script::execute(std::get<script::Program>(compiled), commands);
    if (outcome.error && outcome.error->message.isEmpty())
        __builtin_trap();
    return 0;
}
