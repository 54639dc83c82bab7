#include "install/scripthost.h"

#include "install/copiedfolder.h"
#include "install/helpersession.h"
#include "platform/bundle.h"
#include "script/helper/childprocess.h"
#include "script/compiler.h"
#include "script/interpreter.h"

#include <QFile>
#include <pwd.h>
#include <unistd.h>

namespace scripthost {
namespace {

// The commands of one script run: plain ones each in a new /bin/sh, the
// privileged ones through one helper, started on first use and ended with
// the run.
class HostCommands final : public script::Commands
{
public:
    HostCommands(const Options &options, int commandCount)
        : m_options(options)
    {
        m_progress.commandCount = commandCount;
    }

    std::variant<script::ShellReply, script::RaisedError> doShellScript(const QString &command,
                                                                        script::Privileges privileges) override
    {
        ++m_progress.command;
        m_progress.copiedFolder = copiedfolder::nameOf(command);
        // Only the elevation command asks for a password, and only when it
        // starts the helper; a helper started directly is ready at once.
        m_progress.waitingForAuthentication = privileges == script::Privileges::administrator && !m_session
                                              && !m_options.elevation.isEmpty() && !m_options.helperPath.isEmpty();
        report();
        if (privileges == script::Privileges::administrator)
            return privileged(command);
        childprocess::Invocation invocation;
        invocation.program = "/bin/sh";
        invocation.argv = {"sh", "-c", command.toStdString()};
        auto result = childprocess::run(invocation);
        if (auto *failure = std::get_if<std::string>(&result))
            return script::RaisedError{126, QString::fromStdString(*failure)};
        const auto &reply = std::get<childprocess::Result>(result);
        return script::ShellReply{reply.status, QByteArray::fromStdString(reply.out),
                                  QByteArray::fromStdString(reply.err)};
    }

    QString applicationSupportFolder() override
    {
        QString folder = qEnvironmentVariable("XDG_DATA_HOME");
        if (folder.isEmpty())
            folder = m_options.home + QStringLiteral("/.local/share");
        return folder.endsWith(u'/') ? folder : folder + u'/';
    }

private:
    std::variant<script::ShellReply, script::RaisedError> privileged(const QString &command)
    {
        if (!m_session) {
            QStringList launch = m_options.elevation;
            if (!m_options.helperPath.isEmpty())
                launch.append(m_options.helperPath);
            else
                launch.clear();
            m_session.emplace(launch);
        }
        const bool wasRunning = m_session->processId().has_value();
        auto reply =
            m_session->run(command, m_options.user, m_options.home, wasRunning ? nullptr : &m_options.helperStarted);
        // The first reply of a new helper, whatever it says, means the prompt
        // has closed: the helper answers only once it is running, and a
        // refused or failed prompt is an answer too.
        authenticationEnded();
        return reply;
    }

    void authenticationEnded()
    {
        if (!m_progress.waitingForAuthentication)
            return;
        m_progress.waitingForAuthentication = false;
        report();
    }

    void report() const
    {
        if (m_options.progress)
            m_options.progress(m_progress);
    }

    const Options &m_options;
    std::optional<HelperSession> m_session;
    ScriptProgress m_progress;
};

} // namespace

Options Options::system()
{
    Options options;
    if (geteuid() != 0)
        options.elevation = {QStringLiteral("pkexec")};
    if (const auto folder = bundle::executableFolder())
        options.helperPath = *folder + u'/' + QString::fromLatin1(helperFileName);
    options.user = qEnvironmentVariable("USER");
    options.home = qEnvironmentVariable("HOME");
    if (const passwd *entry = getpwuid(getuid())) {
        if (options.user.isEmpty())
            options.user = QString::fromLocal8Bit(entry->pw_name);
        if (options.home.isEmpty())
            options.home = QFile::decodeName(entry->pw_dir);
    }
    return options;
}

ScriptOutcome run(const QString &source, const ProgressReport &progress)
{
    Options options = Options::system();
    options.progress = progress;
    return runWith(source, options);
}

ScriptOutcome runWith(const QString &source, const Options &options)
{
    auto compiled = script::compile(source);
    script::Outcome outcome;
    if (auto *error = std::get_if<script::ScriptError>(&compiled)) {
        outcome.error = *error;
    } else {
        const script::Program &program = std::get<script::Program>(compiled);
        HostCommands commands(options, script::shellCommandCount(program));
        outcome = script::execute(program, commands);
    }
    ScriptOutcome result;
    result.result = outcome.result;
    if (outcome.error)
        result.errorDescription = outcome.error->description();
    return result;
}

} // namespace scripthost
