#include "helperserver.h"

#include "account.h"
#include "childprocess.h"
#include "giveback.h"
#include "helperprotocol.h"
#include "reaper.h"
#include "requestcheck.h"
#include "rootoperations.h"
#include "watchedwork.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace helperserver {
namespace {

using helperprotocol::Reply;
using helperprotocol::Request;
using helperprotocol::RequestKind;

// 126 and 127 are pkexec's answers for a dismissed or impossible
// authentication, so the helper's own statuses stay clear of them.
constexpr int exitDone = 0;
constexpr int exitSetup = 3;
constexpr int exitProtocol = 4;
constexpr int exitParentGone = 5;

// The BSD `ln`, `cp` and `echo` of the install commands, provided as shell
// functions that run this very program (kept open as descriptor 9) in its
// tool mode. Nothing is written to disk: a folder of wrapper scripts put
// first on PATH would be one more thing that someone could swap between our
// writing and root running it, and a path to this program could be swapped
// as well, while the open descriptor always names the file that pkexec
// started. `echo` stays the shell's own printf when it prints into a pipe,
// which is cheap, and becomes the tool when it writes a file, so that a
// failed write names that file. The functions sit on the command's own first
// line, so the shell's messages keep their line numbers.
const std::string bsdLayer = "ln() { /proc/self/fd/9 --bsd-ln \"$@\"; }; cp() { /proc/self/fd/9 --bsd-cp \"$@\"; }; "
                             "echo() { if [ -f /dev/stdout ]; then /proc/self/fd/9 --bsd-echo \"$@\"; "
                             "else printf '%s\\n' \"$*\"; fi; }; ";

std::vector<std::string> commandEnvironment(const std::string &user, const std::string &home)
{
    std::vector<std::string> environment{
        "PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin",
        "SHELL=/bin/sh",
        "USER=" + user,
        "LOGNAME=" + user,
        "HOME=" + home,
    };
    for (const char *name : {"LANG", "LANGUAGE", "LC_ALL"})
        if (const char *value = std::getenv(name))
            environment.push_back(std::string(name) + "=" + value);
    return environment;
}

class Server
{
public:
    Server(Account user, bool fromPkexec, int self, int lifeline, requestcheck::InstallFolders folders)
        : m_user(std::move(user))
        , m_fromPkexec(fromPkexec)
        , m_self(self)
        , m_watch{lifeline, 0}
        , m_folders(std::move(folders))
    {
    }

    int serve()
    {
        if (!childprocess::writeAll(1, helperprotocol::encodeReady()))
            return end(exitParentGone);
        std::string buffer;
        for (;;) {
            Request request;
            const helperprotocol::Decoded decoded = helperprotocol::decode(buffer, request);
            if (decoded.status == helperprotocol::DecodeStatus::malformed)
                return end(exitProtocol);
            if (decoded.status == helperprotocol::DecodeStatus::incomplete) {
                if (!waitForInput())
                    return end(exitParentGone);
                if (!childprocess::readSome(0, buffer))
                    return end(buffer.empty() ? exitDone : exitProtocol);
                continue;
            }
            buffer.erase(0, decoded.consumed);
            if (request.kind == RequestKind::endOfRun)
                return end(exitDone);
            const Reply reply = answer(request);
            // Nothing a request started outlives it.
            reaper::sweep();
            if (watchedwork::installerGone(m_watch) || !childprocess::writeAll(1, helperprotocol::encode(reply)))
                return end(exitParentGone);
        }
    }

private:
    static int end(int status)
    {
        reaper::sweep();
        return status;
    }

    // False when the lifeline ended first: the reaper, and so the installer, has gone.
    bool waitForInput()
    {
        pollfd fds[2] = {{0, POLLIN, 0}, {m_watch.lifeline, POLLIN, 0}};
        while (poll(fds, 2, -1) < 0)
            if (errno != EINTR)
                return false;
        return fds[1].revents == 0;
    }

    Reply answer(const Request &request)
    {
        if (const auto refused = requestcheck::refusal(request))
            return {1, {}, *refused};
        if (request.kind == RequestKind::userCommand)
            return runCommand(request);
        // Reading the user's files with the user's groups needs them, and
        // reading them may load modules: once, here, not in each worker.
        if (!m_groupsRead && geteuid() == 0 && !(m_groupsRead = m_user.readGroups()))
            return {1, {}, "cannot act for " + m_user.name + ": the user's groups cannot be read"};
        return watchedwork::run(
            [&]() -> Reply {
                if (request.kind == RequestKind::giveBack) {
                    const std::string error = giveback::giveBack(request.path, request.text, m_user);
                    return error.empty() ? Reply{} : Reply{1, {}, error};
                }
                return rootoperations::perform(request, m_folders, m_user);
            },
            m_watch);
    }

    // Shell text runs only as the invoking user: a helper of root's takes
    // that user's identity for it, one that already runs as the user (a
    // staged install) needs nothing.
    Reply runCommand(const Request &request)
    {
        childprocess::Invocation invocation;
        if (geteuid() != m_user.credentials.uid) {
            if (geteuid() != 0)
                return {1, {}, "cannot run a command as " + m_user.name + ": the helper runs as another user"};
            if (!m_groupsRead && !(m_groupsRead = m_user.readGroups()))
                return {1, {}, "cannot run a command as " + m_user.name + ": the user's groups cannot be read"};
            invocation.credentials = m_user.credentials;
        }
        // pkexec names the user who asked in PKEXEC_UID; that user, not
        // whatever the requests claim, is USER and HOME.
        const bool known = m_fromPkexec;
        invocation.program = "/bin/sh";
        invocation.argv = {"sh", "-c", bsdLayer + request.text};
        invocation.environment = commandEnvironment(known ? m_user.name : request.user,
                                                    known ? m_user.home : request.home.empty() ? "/" : request.home);
        invocation.spawn = childprocess::Spawn::guarded;
        invocation.keptDescriptor = m_self;
        invocation.watchDescriptor = m_watch.lifeline;
        invocation.hangupDescriptor = m_watch.requests;
        auto result = childprocess::run(invocation);
        if (auto *failure = std::get_if<std::string>(&result))
            return {126, {}, *failure};
        return std::get<Reply>(std::move(result));
    }

    Account m_user;
    bool m_groupsRead = false;
    bool m_fromPkexec;
    int m_self;
    watchedwork::Watch m_watch;
    requestcheck::InstallFolders m_folders;
};

} // namespace

int serve()
{
    // Whoever started us (the installer, through pkexec or not) is the only
    // peer; when it goes away there is nobody left to serve.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1)
        return exitParentGone;
    // A write to a reader that has gone fails with EPIPE instead of killing
    // us before we have cleaned up. Blocked rather than ignored: an ignored
    // signal would stay ignored in the commands.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigprocmask(SIG_BLOCK, &pipeSignal, nullptr);
    umask(022);

    const int self = ::open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (self < 0) {
        std::perror("VeltranoHelper: cannot open its own program file");
        return exitSetup;
    }
    std::optional<Account> user = Account::invoking();
    if (!user) {
        std::fprintf(stderr, "VeltranoHelper: the user who asked for the installation is unknown.\n");
        return exitSetup;
    }
    const std::optional<int> lifeline = reaper::splitOff();
    if (!lifeline) {
        std::perror("VeltranoHelper: cannot start");
        return exitSetup;
    }
    // The install folders come from the environment the helper was started
    // with, never from a request: pkexec passes no VELTRANO_INSTALL_ROOT, so
    // an elevated helper installs into the system's folders.
    const char *root = std::getenv("VELTRANO_INSTALL_ROOT");
    char *here = getcwd(nullptr, 0);
    requestcheck::InstallFolders folders = requestcheck::installFolders(root ? root : "", here ? here : "/");
    std::free(here);
    return Server(std::move(*user), std::getenv("PKEXEC_UID") != nullptr, self, *lifeline, std::move(folders)).serve();
}

} // namespace helperserver
