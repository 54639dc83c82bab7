#include "install/helpersession.h"

#include "platform/processsecurity.h"
#include "script/helper/childprocess.h"
#include "script/helper/uniquefd.h"

#include <QFile>

#include <string_view>
#include <vector>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr std::size_t maxErrorText = 64 * 1024;

QString fromLocal(const std::string &text) { return QString::fromLocal8Bit(text.data(), qsizetype(text.size())).trimmed(); }

// Writes to a pipe whose reader may have died without the process being
// killed by SIGPIPE: the signal is blocked for this thread during the write
// and a pending one is consumed before it is unblocked again.
bool writeWithoutSigpipe(int fd, const std::string &data)
{
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const bool written = childprocess::writeAll(fd, data);
    if (!written && errno == EPIPE) {
        const timespec none{0, 0};
        while (sigtimedwait(&pipeSignal, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return written;
}

QString signalName(int signal)
{
    const char *description = strsignal(signal);
    return description ? QString::fromLocal8Bit(description) : QString::number(signal);
}

script::RaisedError privilegeError(const QString &message) { return {script::privilegeErrorNumber, message}; }

// pkexec refuses to run at all when a language variable holds "/", "%" or
// "..", which no real locale name does; such a value is left out.
bool suspiciousLocale(std::string_view entry)
{
    const std::size_t equals = entry.find('=');
    const std::string_view name = entry.substr(0, equals);
    const bool language = name == "LANG" || name == "LANGUAGE" || name == "LINGUAS" || name.substr(0, 3) == "LC_";
    const std::string_view value = equals == std::string_view::npos ? std::string_view() : entry.substr(equals + 1);
    return language
           && (value.find('/') != std::string_view::npos || value.find('%') != std::string_view::npos
               || value.find("..") != std::string_view::npos);
}

// The installer's environment for the helper, with the staging root it is
// to install behind, or none.
std::vector<std::string> helperEnvironment(const QString &installRoot)
{
    std::vector<std::string> out;
    for (char **entry = environ; *entry; ++entry) {
        const std::string_view text(*entry);
        if (text.substr(0, text.find('=')) == "VELTRANO_INSTALL_ROOT" || suspiciousLocale(text))
            continue;
        out.emplace_back(text);
    }
    if (!installRoot.isEmpty())
        out.push_back("VELTRANO_INSTALL_ROOT=" + QFile::encodeName(installRoot).toStdString());
    return out;
}

// Another process traces this one: it could speak to the helper in the
// installer's name, so no helper is started for it.
bool traced()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("TracerPid:"))
            return line.mid(10).trimmed() != "0";
    return false;
}

} // namespace

HelperSession::HelperSession(QStringList launch, QString installRoot, Events events)
    : m_launch(std::move(launch))
    , m_installRoot(std::move(installRoot))
    , m_events(std::move(events))
{
}

HelperSession::~HelperSession()
{
    // The explicit end: the helper takes no request after it and ends, even
    // while something else still holds its input open.
    if (m_in >= 0 && processId()) {
        helperprotocol::Request end;
        end.kind = helperprotocol::RequestKind::endOfRun;
        writeWithoutSigpipe(m_in, helperprotocol::encode(end));
    }
    closeInput();
    reap();
    for (int *fd : {&m_out, &m_err}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

std::optional<pid_t> HelperSession::processId() const
{
    if (m_pid > 0 && !m_exitStatus)
        return m_pid;
    return std::nullopt;
}

void HelperSession::closeInput()
{
    if (m_in >= 0)
        ::close(m_in);
    m_in = -1;
}

void HelperSession::reap()
{
    if (m_pid <= 0 || m_exitStatus)
        return;
    // The helper ends at the end of the run or of its input, and takes
    // whatever it had running with it.
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0) {
        if (errno != EINTR) {
            m_exitStatus = -1;
            return;
        }
    }
    m_exitStatus = childprocess::statusFrom(status);
}

void HelperSession::readError()
{
    if (m_err < 0)
        return;
    // The helper has ended; whatever it or pkexec wrote is in the pipe now,
    // unless something it left behind still holds the pipe, so never block.
    fcntl(m_err, F_SETFL, fcntl(m_err, F_GETFL) | O_NONBLOCK);
    std::string chunk;
    while (m_errText.size() < maxErrorText && childprocess::readSome(m_err, chunk)) {
        m_errText += chunk;
        chunk.clear();
    }
}

std::optional<script::RaisedError> HelperSession::start()
{
    if (m_launch.isEmpty())
        return privilegeError(QStringLiteral("Administrator privileges are not available: the privileged helper "
                                             "cannot be found."));
    const QString helper = m_launch.last();
    if (access(QFile::encodeName(helper).constData(), X_OK) != 0)
        return privilegeError(
            QStringLiteral("Administrator privileges are not available: the privileged helper %1 cannot be run (%2).")
                .arg(helper, QString::fromLocal8Bit(std::strerror(errno))));
    // Never looked up through PATH, where anyone could put a program of that name.
    if (!m_launch.first().startsWith(u'/'))
        return privilegeError(
            QStringLiteral("Administrator privileges are not available: %1 is not an absolute path.").arg(m_launch.first()));
    // The program turned itself non-traceable when it started; one traced
    // from its start (run under a debugger) gets no helper.
    processsecurity::makeUndumpable();
    if (traced())
        return privilegeError(QStringLiteral("Administrator privileges are not available while another program "
                                             "traces the installer."));

    Pipe in = Pipe::open();
    Pipe out = in.valid() ? Pipe::open() : Pipe();
    Pipe err = out.valid() ? Pipe::open() : Pipe();
    if (!err.valid())
        return privilegeError(QStringLiteral("Cannot create a pipe."));

    std::vector<std::string> arguments;
    for (const QString &part : m_launch)
        arguments.push_back(QFile::encodeName(part).toStdString());
    const std::vector<char *> argv = childprocess::pointers(arguments);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.reading.get(), 0);
    posix_spawn_file_actions_adddup2(&actions, out.writing.get(), 1);
    posix_spawn_file_actions_adddup2(&actions, err.writing.get(), 2);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = -1;
    const std::vector<std::string> environment = helperEnvironment(m_installRoot);
    const std::vector<char *> envp = childprocess::pointers(environment);
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    // The helper's own ends: its output ends when the helper's does.
    in.reading.reset();
    out.writing.reset();
    err.writing.reset();
    m_in = in.writing.release();
    m_out = out.reading.release();
    m_err = err.reading.release();
    if (error != 0) {
        return privilegeError(QStringLiteral("Administrator privileges are not available: %1 cannot be started (%2).")
                                  .arg(m_launch.first(), QString::fromLocal8Bit(std::strerror(error))));
    }
    m_pid = pid;
    return std::nullopt;
}

// Waits for output from the helper, keeping what it says on standard error
// for the message if it ends. False once its output has ended.
bool HelperSession::readMore()
{
    pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
    for (;;) {
        if (poll(fds, m_err >= 0 ? 2 : 1, -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (fds[1].revents) {
            std::string chunk;
            if (childprocess::readSome(m_err, chunk)) {
                if (m_errText.size() < maxErrorText)
                    m_errText += chunk;
            } else {
                ::close(m_err);
                m_err = -1;
                fds[1].fd = -1;
            }
        }
        if (fds[0].revents)
            return childprocess::readSome(m_out, m_buffer);
    }
}

std::optional<script::RaisedError> HelperSession::awaitReady()
{
    for (;;) {
        const helperprotocol::Decoded decoded = helperprotocol::decodeReady(m_buffer);
        if (decoded.status == helperprotocol::DecodeStatus::complete) {
            m_buffer.erase(0, decoded.consumed);
            return std::nullopt;
        }
        if (decoded.status == helperprotocol::DecodeStatus::malformed)
            return privilegeError(QStringLiteral("The privileged helper did not announce itself."));
        if (!readMore())
            return failureAfterExit();
    }
}

script::RaisedError HelperSession::failureAfterExit()
{
    closeInput();
    reap();
    readError();
    const int status = m_exitStatus.value_or(-1);
    const QString detail = fromLocal(m_errText);
    const QString said = detail.isEmpty() ? QString() : QStringLiteral(" It said: %1").arg(detail);
    const QString during = QStringLiteral("while running a command");
    // pkexec's answers: 126 the dialog was dismissed, 127 no authentication
    // happened. The helper never exits with either.
    if (status == 126)
        return {script::userCanceledNumber, QStringLiteral("User canceled.")};
    if (status == 127) {
        // What pkexec said comes first: it knows why. Then the likely
        // causes, in the order a user meets them, one to a line.
        QString message = detail.isEmpty() ? QString() : QStringLiteral("%1 said: %2\n").arg(m_launch.first(), detail);
        message += QStringLiteral("Administrator privileges are not available. Likely causes:\n"
                                  "the password was not accepted,\n"
                                  "this user may not install software,\n"
                                  "or no authentication agent is running.\n"
                                  "(%1 exited with status 127.)")
                       .arg(m_launch.first());
        return privilegeError(message);
    }
    if (status < 0)
        return privilegeError(QStringLiteral("The privileged helper was ended by signal %1 (%2) %3.%4")
                                  .arg(-status)
                                  .arg(signalName(-status), during, said));
    return privilegeError(QStringLiteral("The privileged helper stopped with status %1 %2.%3").arg(status).arg(during, said));
}

std::variant<script::ShellReply, script::RaisedError> HelperSession::send(const helperprotocol::Request &request)
{
    if (m_failure)
        return *m_failure;
    if (m_pid <= 0) {
        if (auto failure = start()) {
            m_failure = failure;
            return *failure;
        }
        if (m_events.started)
            m_events.started(m_pid);
        if (auto failure = awaitReady()) {
            m_failure = failure;
            return *failure;
        }
        if (m_events.ready)
            m_events.ready();
    }
    if (!writeWithoutSigpipe(m_in, helperprotocol::encode(request))) {
        m_failure = failureAfterExit();
        return *m_failure;
    }
    for (;;) {
        helperprotocol::Reply reply;
        const auto decoded = helperprotocol::decode(m_buffer, reply);
        if (decoded.status == helperprotocol::DecodeStatus::complete) {
            m_buffer.erase(0, decoded.consumed);
            return script::ShellReply{reply.status, QByteArray::fromStdString(reply.out),
                                      QByteArray::fromStdString(reply.err)};
        }
        if (decoded.status == helperprotocol::DecodeStatus::malformed) {
            m_failure = privilegeError(QStringLiteral("The privileged helper sent a malformed reply."));
            return *m_failure;
        }
        if (!readMore()) {
            m_failure = failureAfterExit();
            return *m_failure;
        }
    }
}
