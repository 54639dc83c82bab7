#include "install/scripthost.h"

#include "catalogue/product.h"
#include "install/copiedfolder.h"
#include "install/helpersession.h"
#include "install/installscript.h"
#include "install/privilegedrequest.h"
#include "platform/bundle.h"
#include "platform/pathtext.h"
#include "platform/userfolders.h"
#include "script/helper/childprocess.h"
#include "script/compiler.h"
#include "script/interpreter.h"

#include <QFile>
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

    // The same folder the install targets are built on; a relative
    // XDG_DATA_HOME never names it.
    QString applicationSupportFolder() override { return dataFolder() + u'/'; }

private:
    // The user's data folder without a trailing "/"; without one in the
    // options, the one of the options' home.
    QString dataFolder() const
    {
        if (!m_options.userDataFolder.isEmpty())
            return pathtext::joinable(m_options.userDataFolder);
        return userfolders::dataFolderIn(m_options.home);
    }

    std::variant<script::ShellReply, script::RaisedError> privileged(const QString &command)
    {
        auto mapped = privilegedrequest::requestFor(command, m_options.targets);
        if (const auto *refused = std::get_if<QString>(&mapped)) {
            authenticationEnded();
            return script::ShellReply{1, {}, refused->toUtf8()};
        }
        helperprotocol::Request request = std::get<helperprotocol::Request>(std::move(mapped));
        request.user = QFile::encodeName(m_options.user).toStdString();
        request.home = QFile::encodeName(m_options.home).toStdString();
        if (!m_session) {
            QStringList launch = m_options.elevation;
            if (!m_options.helperPath.isEmpty())
                launch.append(m_options.helperPath);
            else
                launch.clear();
            // The helper announces itself once it runs: under pkexec, once
            // the password has been accepted.
            m_session.emplace(launch, m_options.installRoot,
                              HelperSession::Events{m_options.helperStarted, [this] {
                                                        authenticationEnded();
                                                        if (m_options.helperReady)
                                                            m_options.helperReady();
                                                    }});
        }
        auto reply = send(request);
        // A refused or failed prompt ends the wait as well, without an announcement.
        authenticationEnded();
        return reply;
    }

    std::variant<script::ShellReply, script::RaisedError> send(const helperprotocol::Request &request)
    {
        if (request.kind == helperprotocol::RequestKind::userCommand && !m_gaveBack) {
            m_gaveBack = true;
            helperprotocol::Request giveBack = request;
            giveBack.kind = helperprotocol::RequestKind::giveBack;
            giveBack.path = QFile::encodeName(m_options.targets.userAppSuppLR).toStdString();
            giveBack.text = QFile::encodeName(dataFolder()).toStdString();
            auto given = m_session->send(giveBack);
            const auto *reply = std::get_if<script::ShellReply>(&given);
            if (!reply || reply->status != 0)
                return given;
        }
        return m_session->send(request);
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
    bool m_gaveBack = false;
};

// The system's own pkexec, never one found through PATH.
QString pkexecPath()
{
    for (const char *path : {"/usr/bin/pkexec", "/bin/pkexec"})
        if (access(path, X_OK) == 0)
            return QString::fromLatin1(path);
    return QStringLiteral("/usr/bin/pkexec");
}

} // namespace

Options Options::system()
{
    Options options;
    // A staged installation writes only into its own staging folders, as
    // the user who started it.
    if (geteuid() != 0 && !Product::staged())
        options.elevation = {pkexecPath()};
    if (const auto folder = bundle::executableFolder())
        options.helperPath = *folder + u'/' + QString::fromLatin1(helperFileName);
    options.user = userfolders::systemEnvironment("USER");
    options.home = userfolders::systemEnvironment("HOME");
    options.userDataFolder = Product::userApplicationSupport();
    options.targets = Product::targets();
    // Staged: the helper runs as this user and installs behind the same
    // root the targets were built on.
    if (Product::staged())
        options.installRoot = Product::applications().chopped(QStringLiteral("/opt").size());
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
