#include "install/scripthost.h"

#include "install/helpersession.h"
#include "platform/bundle.h"
#include "script/helper/childprocess.h"
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
    explicit HostCommands(const Options &options)
        : m_options(options)
    {
    }

    std::variant<script::ShellReply, script::RaisedError> doShellScript(const QString &command,
                                                                        script::Privileges privileges) override
    {
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
        return m_session->run(command, m_options.user, m_options.home, wasRunning ? nullptr : &m_options.helperStarted);
    }

    const Options &m_options;
    std::optional<HelperSession> m_session;
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

ScriptOutcome run(const QString &source) { return runWith(source, Options::system()); }

ScriptOutcome runWith(const QString &source, const Options &options)
{
    HostCommands commands(options);
    const script::Outcome outcome = script::run(source, commands);
    ScriptOutcome result;
    result.result = outcome.result;
    if (outcome.error)
        result.errorDescription = outcome.error->description();
    return result;
}

} // namespace scripthost
