#include "helperserver.h"

#include "childprocess.h"
#include "helperprotocol.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace helperserver {
namespace {

// 126 and 127 are pkexec's answers for a dismissed or impossible
// authentication, so the helper's own statuses stay clear of them.
constexpr int exitDone = 0;
constexpr int exitSetup = 3;
constexpr int exitProtocol = 4;
constexpr int exitParentGone = 5;

// The BSD `ln` and `cp` of the install commands, provided as shell functions
// that run this very program (kept open as descriptor 9) in its tool mode,
// which rewrites the arguments for the GNU tool. Nothing is written to disk:
// a folder of wrapper scripts put first on PATH would be one more thing that
// someone could swap between our writing and root running it, and a path to
// this program could be swapped as well, while the open descriptor always
// names the file that pkexec started. The functions sit on the command's own
// first line, so the shell's messages keep their line numbers.
const std::string bsdLayer =
    "ln() { /proc/self/fd/9 --bsd-ln \"$@\"; }; cp() { /proc/self/fd/9 --bsd-cp \"$@\"; }; ";

struct Identity
{
    std::string user;
    std::string home;
};

// pkexec names the user who asked in PKEXEC_UID; that user, not whatever
// the requests claim, owns what `chown -R $USER` hands back.
std::optional<Identity> pkexecUser()
{
    const char *text = std::getenv("PKEXEC_UID");
    if (!text || !*text)
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    const unsigned long uid = std::strtoul(text, &end, 10);
    if (errno != 0 || *end != '\0')
        return std::nullopt;
    if (const passwd *entry = getpwuid(static_cast<uid_t>(uid)))
        return Identity{entry->pw_name, entry->pw_dir};
    return Identity{text, "/"};
}

// Kills the process group of the running command when the helper dies
// before the command has ended, so that no root process is left behind. It
// is a child of the helper in a session of its own. Each command announces
// its group through a pipe before it runs (so even a command that kills the
// helper at once is known), and the helper's death is the end of that pipe.
class Guardian
{
public:
    Guardian() = default;
    Guardian(const Guardian &) = delete;
    Guardian &operator=(const Guardian &) = delete;

    ~Guardian()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_pid > 0) {
            int status = 0;
            while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }

    bool start()
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return false;
        m_pid = fork();
        if (m_pid < 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            return false;
        }
        if (m_pid == 0)
            watch(fds[0]);
        ::close(fds[0]);
        m_fd = fds[1];
        return true;
    }

    // Where a starting command announces its process group.
    int announceDescriptor() const { return m_fd; }

    // The command has ended: there is no group to end any more.
    void clear()
    {
        const std::int32_t none = 0;
        if (m_fd >= 0)
            (void)!::write(m_fd, &none, sizeof none);
    }

private:
    [[noreturn]] static void watch(int fd)
    {
        setsid();
        const int devnull = ::open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
        if (fd != 3) {
            dup2(fd, 3);
            fd = 3;
        }
        close_range(4, ~0U, 0);
        std::int32_t group = 0;
        std::int32_t value = 0;
        for (;;) {
            const ssize_t got = ::read(fd, &value, sizeof value);
            if (got == sizeof value) {
                group = value;
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            break;
        }
        if (group > 0)
            kill(-group, SIGKILL);
        _exit(0);
    }

    pid_t m_pid = -1;
    int m_fd = -1;
};

std::vector<std::string> commandEnvironment(const Identity &identity)
{
    std::vector<std::string> environment{
        "PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin",
        "SHELL=/bin/sh",
        "USER=" + identity.user,
        "LOGNAME=" + identity.user,
        "HOME=" + identity.home,
    };
    for (const char *name : {"LANG", "LANGUAGE", "LC_ALL"})
        if (const char *value = std::getenv(name))
            environment.push_back(std::string(name) + "=" + value);
    return environment;
}

helperprotocol::Reply runCommand(const helperprotocol::Request &request, const std::optional<Identity> &fixed,
                                 int self, Guardian &guardian)
{
    const Identity identity = fixed ? *fixed : Identity{request.user, request.home.empty() ? "/" : request.home};
    childprocess::Invocation invocation;
    invocation.program = "/bin/sh";
    invocation.argv = {"sh", "-c", bsdLayer + request.command};
    invocation.environment = commandEnvironment(identity);
    invocation.spawn = childprocess::Spawn::guarded;
    invocation.keptDescriptor = self;
    invocation.announceDescriptor = guardian.announceDescriptor();
    invocation.outputEnded = [&guardian] { guardian.clear(); };
    auto result = childprocess::run(invocation);
    if (auto *failure = std::get_if<std::string>(&result))
        return {126, {}, *failure};
    return std::get<helperprotocol::Reply>(std::move(result));
}

} // namespace

int serve()
{
    // Whoever started us (the installer, through pkexec or not) is the only
    // peer; when it goes away there is nobody left to serve.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1)
        return exitParentGone;
    signal(SIGPIPE, SIG_IGN);
    umask(022);

    const int self = ::open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (self < 0) {
        std::perror("VeltranoHelper: cannot open its own program file");
        return exitSetup;
    }
    Guardian guardian;
    if (!guardian.start()) {
        std::perror("VeltranoHelper: cannot start its guardian");
        return exitSetup;
    }
    const std::optional<Identity> fixed = pkexecUser();

    std::string buffer;
    for (;;) {
        helperprotocol::Request request;
        const helperprotocol::Decoded decoded = helperprotocol::decode(buffer, request);
        if (decoded.status == helperprotocol::DecodeStatus::malformed)
            return exitProtocol;
        if (decoded.status == helperprotocol::DecodeStatus::incomplete) {
            if (!childprocess::readSome(0, buffer))
                return buffer.empty() ? exitDone : exitProtocol;
            continue;
        }
        buffer.erase(0, decoded.consumed);
        const helperprotocol::Reply reply = runCommand(request, fixed, self, guardian);
        if (!childprocess::writeAll(1, helperprotocol::encode(reply)))
            return exitParentGone;
    }
}

} // namespace helperserver
