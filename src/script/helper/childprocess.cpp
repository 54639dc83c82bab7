#include "childprocess.h"

#include <cerrno>
#include <cstdint>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace childprocess {
namespace {

// Owns both ends of a pipe, closing what is left on every path.
struct Pipe
{
    int fds[2] = {-1, -1};
    Pipe() = default;
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;
    ~Pipe()
    {
        closeEnd(0);
        closeEnd(1);
    }
    bool open() { return pipe2(fds, O_CLOEXEC) == 0; }
    void closeEnd(int end)
    {
        if (fds[end] >= 0)
            ::close(fds[end]);
        fds[end] = -1;
    }
};

std::vector<char *> pointers(const std::vector<std::string> &strings)
{
    std::vector<char *> out;
    out.reserve(strings.size() + 1);
    for (const std::string &s : strings)
        out.push_back(const_cast<char *>(s.c_str()));
    out.push_back(nullptr);
    return out;
}

std::string systemError(const std::string &what, int error) { return what + ": " + std::strerror(error); }

std::variant<pid_t, std::string> spawnShared(const Invocation &invocation, char *const *argv, char *const *envp, int out, int err)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawn_file_actions_addchdir_np(&actions, invocation.workingFolder.c_str());
    pid_t pid = -1;
    const int error = posix_spawn(&pid, invocation.program.c_str(), &actions, nullptr, argv, envp);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return systemError("cannot start " + invocation.program, error);
    return pid;
}

// Between fork and exec only async-signal-safe calls are made; everything
// the child needs is prepared before the fork.
std::variant<pid_t, std::string> spawnGuarded(const Invocation &invocation, char *const *argv, char *const *envp, int out, int err)
{
    const pid_t parent = getpid();
    Pipe report; // carries errno from a failed exec
    if (!report.open())
        return systemError("cannot create a pipe", errno);
    const pid_t pid = fork();
    if (pid < 0)
        return systemError("cannot start " + invocation.program, errno);
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
        setpgid(0, 0);
        if (invocation.announceDescriptor >= 0) {
            const std::int32_t self = getpid();
            (void)!::write(invocation.announceDescriptor, &self, sizeof self);
        }
        signal(SIGPIPE, SIG_DFL);
        const int devnull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (devnull < 0 || dup2(devnull, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(1);
        int reportFd = report.fds[1];
        if (reportFd == keptDescriptorNumber)
            reportFd = fcntl(reportFd, F_DUPFD_CLOEXEC, keptDescriptorNumber + 1);
        int lowest = 3;
        if (invocation.keptDescriptor >= 0) {
            // Parked on the kept number first, so closing 3..8 cannot lose it.
            if (dup2(invocation.keptDescriptor, keptDescriptorNumber) < 0)
                _exit(1);
            for (int fd = 3; fd < keptDescriptorNumber; ++fd)
                if (fd != reportFd)
                    ::close(fd);
            lowest = keptDescriptorNumber + 1;
        }
        // The report pipe stays open (close-on-exec) so the parent learns of a failed exec.
        const int keep = reportFd;
        if (keep >= lowest) {
            close_range(static_cast<unsigned>(lowest), static_cast<unsigned>(keep - 1), 0);
            close_range(static_cast<unsigned>(keep + 1), ~0U, 0);
        } else {
            close_range(static_cast<unsigned>(lowest), ~0U, 0);
        }
        if (chdir(invocation.workingFolder.c_str()) == 0)
            execve(invocation.program.c_str(), argv, envp);
        const int error = errno;
        (void)!::write(reportFd, &error, sizeof error);
        _exit(1);
    }
    setpgid(pid, pid); // also here, so the group exists before anyone signals it
    report.closeEnd(1);
    int error = 0;
    ssize_t got;
    do
        got = ::read(report.fds[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    if (got == sizeof error) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return systemError("cannot start " + invocation.program, error);
    }
    return pid;
}

} // namespace

int statusFrom(int waitStatus)
{
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    if (WIFSIGNALED(waitStatus))
        return -WTERMSIG(waitStatus);
    return -1;
}

bool readSome(int fd, std::string &buffer)
{
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got > 0) {
            buffer.append(chunk, static_cast<std::size_t>(got));
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return false;
    }
}

bool writeAll(int fd, const std::string &data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t put = ::write(fd, data.data() + done, data.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

std::variant<Result, std::string> run(const Invocation &invocation)
{
    if (invocation.program.empty() || invocation.argv.empty())
        return std::string("no program to start");
    Pipe out, err;
    if (!out.open() || !err.open())
        return systemError("cannot create a pipe", errno);
    const std::vector<char *> argv = pointers(invocation.argv);
    std::vector<char *> envp;
    if (invocation.environment)
        envp = pointers(*invocation.environment);
    char *const *environment = invocation.environment ? envp.data() : environ;

    const auto spawned = invocation.spawn == Spawn::guarded
        ? spawnGuarded(invocation, argv.data(), environment, out.fds[1], err.fds[1])
        : spawnShared(invocation, argv.data(), environment, out.fds[1], err.fds[1]);
    if (const auto *failure = std::get_if<std::string>(&spawned))
        return *failure;
    const pid_t pid = std::get<pid_t>(spawned);
    out.closeEnd(1);
    err.closeEnd(1);

    Result result;
    std::string *targets[2] = {&result.out, &result.err};
    pollfd fds[2] = {{out.fds[0], POLLIN, 0}, {err.fds[0], POLLIN, 0}};
    int open = 2;
    std::string chunk;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            chunk.clear();
            if (readSome(fds[i].fd, chunk)) {
                std::string &target = *targets[i];
                const std::size_t room = helperprotocol::maxOutputSize - target.size();
                target.append(chunk, 0, std::min(room, chunk.size()));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    if (invocation.outputEnded)
        invocation.outputEnded();
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return systemError("cannot wait for " + invocation.program, errno);
    }
    result.status = statusFrom(status);
    return result;
}

} // namespace childprocess
