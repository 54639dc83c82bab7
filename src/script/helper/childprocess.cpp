#include "childprocess.h"

#include "uniquefd.h"

#include <cerrno>
#include <cstdint>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <poll.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace childprocess {
namespace {

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

// The guarded child shares the helper's memory until it runs the program
// (as posix_spawn's does), so it costs no copy of the helper's page tables,
// and the helper resumes only once the program runs or the child has given
// up. It must not touch anything the helper relies on: it makes raw system
// calls only, and leaves why it gave up in `Spawning::failure`.
struct Spawning
{
    const Invocation *invocation = nullptr;
    char *const *argv = nullptr;
    char *const *envp = nullptr;
    int out = -1;
    int err = -1;
    pid_t parent = -1;
    // Written by the child before it exits.
    int failedStep = 0;
    int failure = 0;
};
enum Step : int { becomeUser = 1, prepare = 2, execute = 3 };

// The kernel's own sigaction: the C library's differs in layout.
struct KernelSignalAction
{
    void (*handler)(int);
    unsigned long flags;
    void (*restorer)();
    unsigned long mask;
};

#define VELTRANO_CHILD_CODE __attribute__((no_sanitize("address", "undefined"), noinline))

VELTRANO_CHILD_CODE long raw(long number, long a = 0, long b = 0, long c = 0, long d = 0)
{
    return syscall(number, a, b, c, d);
}

VELTRANO_CHILD_CODE int giveUp(Spawning *spawning, Step step, int error)
{
    spawning->failedStep = step;
    spawning->failure = error;
    raw(SYS_exit_group, 127);
    return 127;
}

// Takes the user's identity for good, and checks that it holds: every uid
// and gid is the user's, and root cannot be regained. Returns 0 or errno.
VELTRANO_CHILD_CODE int becomeUserChild(const Credentials &user)
{
    long result = raw(SYS_setgroups, static_cast<long>(user.groups.size()), reinterpret_cast<long>(user.groups.data()));
    if (result == 0)
        result = raw(SYS_setresgid, user.gid, user.gid, user.gid);
    if (result == 0)
        result = raw(SYS_setresuid, user.uid, user.uid, user.uid);
    if (result != 0)
        return errno;
    uid_t uids[3] = {};
    gid_t gids[3] = {};
    if (raw(SYS_getresuid, reinterpret_cast<long>(&uids[0]), reinterpret_cast<long>(&uids[1]), reinterpret_cast<long>(&uids[2])) != 0
        || raw(SYS_getresgid, reinterpret_cast<long>(&gids[0]), reinterpret_cast<long>(&gids[1]), reinterpret_cast<long>(&gids[2])) != 0)
        return errno;
    for (int i = 0; i < 3; ++i)
        if (uids[i] != user.uid || gids[i] != user.gid)
            return EPERM;
    if (raw(SYS_getgroups, 0, 0) != static_cast<long>(user.groups.size()))
        return EPERM;
    if (user.uid != 0 && raw(SYS_setresuid, 0, 0, 0) == 0)
        return EPERM;
    return 0;
}

VELTRANO_CHILD_CODE int guardedChild(void *argument)
{
    auto *spawning = static_cast<Spawning *>(argument);
    const Invocation &invocation = *spawning->invocation;
    if (invocation.credentials) {
        if (const int error = becomeUserChild(*invocation.credentials); error != 0)
            return giveUp(spawning, becomeUser, error);
    }
    // After the change of identity, which clears the parent-death signal.
    raw(SYS_prctl, PR_SET_PDEATHSIG, SIGKILL);
    if (raw(SYS_getppid) != spawning->parent)
        return giveUp(spawning, prepare, ESRCH);
    raw(SYS_setpgid, 0, 0);
    // The helper blocks SIGPIPE and ignores nothing; the program starts with
    // every signal unblocked.
    const unsigned long none = 0;
    raw(SYS_rt_sigprocmask, SIG_SETMASK, reinterpret_cast<long>(&none), 0, sizeof none);
    const KernelSignalAction byDefault{SIG_DFL, 0, nullptr, 0};
    raw(SYS_rt_sigaction, SIGPIPE, reinterpret_cast<long>(&byDefault), 0, sizeof none);

    const long devnull = raw(SYS_openat, AT_FDCWD, reinterpret_cast<long>("/dev/null"), O_RDONLY | O_CLOEXEC);
    if (devnull < 0)
        return giveUp(spawning, prepare, errno);
    if (raw(SYS_dup3, devnull, 0, 0) < 0 || raw(SYS_dup3, spawning->out, 1, 0) < 0
        || raw(SYS_dup3, spawning->err, 2, 0) < 0)
        return giveUp(spawning, prepare, errno);
    unsigned lowest = 3;
    if (invocation.keptDescriptor >= 0) {
        // Kept across the exec: dup3 leaves the copy without close-on-exec.
        const long kept = invocation.keptDescriptor == keptDescriptorNumber
            ? raw(SYS_fcntl, keptDescriptorNumber, F_SETFD, 0)
            : raw(SYS_dup3, invocation.keptDescriptor, keptDescriptorNumber, 0);
        if (kept < 0)
            return giveUp(spawning, prepare, errno);
        raw(SYS_close_range, 3, keptDescriptorNumber - 1, 0);
        lowest = keptDescriptorNumber + 1;
    }
    raw(SYS_close_range, lowest, ~0U, 0);
    if (raw(SYS_chdir, reinterpret_cast<long>(invocation.workingFolder.c_str())) != 0)
        return giveUp(spawning, prepare, errno);
    raw(SYS_execve, reinterpret_cast<long>(invocation.program.c_str()), reinterpret_cast<long>(spawning->argv),
        reinterpret_cast<long>(spawning->envp));
    return giveUp(spawning, execute, errno);
}

std::variant<pid_t, std::string> spawnGuarded(const Invocation &invocation, char *const *argv, char *const *envp, int out, int err)
{
    // The child runs on this stack until it execs; one command at a time.
    alignas(64) static char stack[64 * 1024];
    Spawning spawning{&invocation, argv, envp, out, err, getpid()};
    const pid_t pid = clone(guardedChild, stack + sizeof stack, CLONE_VM | CLONE_VFORK | SIGCHLD, &spawning);
    if (pid < 0)
        return systemError("cannot start " + invocation.program, errno);
    if (spawning.failedStep != 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (spawning.failedStep == becomeUser)
            return systemError("cannot take the identity of user " + std::to_string(invocation.credentials->uid),
                               spawning.failure);
        return systemError("cannot start " + invocation.program, spawning.failure);
    }
    setpgid(pid, pid); // also here, so the group exists before anyone signals it
    return pid;
}

// A descriptor that becomes readable when the process ends, so that waiting
// for it can be combined with other events; -1 where the system has none.
int processDescriptor(pid_t pid) { return static_cast<int>(syscall(SYS_pidfd_open, pid, 0)); }

} // namespace

std::vector<char *> pointers(const std::vector<std::string> &strings)
{
    std::vector<char *> out;
    out.reserve(strings.size() + 1);
    for (const std::string &s : strings)
        out.push_back(const_cast<char *>(s.c_str()));
    out.push_back(nullptr);
    return out;
}

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
    Pipe out = Pipe::open();
    Pipe err = out.valid() ? Pipe::open() : Pipe();
    if (!err.valid())
        return systemError("cannot create a pipe", errno);
    const std::vector<char *> argv = pointers(invocation.argv);
    std::vector<char *> envp;
    if (invocation.environment)
        envp = pointers(*invocation.environment);
    char *const *environment = invocation.environment ? envp.data() : environ;

    const auto spawned = invocation.spawn == Spawn::guarded
        ? spawnGuarded(invocation, argv.data(), environment, out.writing.get(), err.writing.get())
        : spawnShared(invocation, argv.data(), environment, out.writing.get(), err.writing.get());
    if (const auto *failure = std::get_if<std::string>(&spawned))
        return *failure;
    const pid_t pid = std::get<pid_t>(spawned);
    out.writing.reset();
    err.writing.reset();

    Result result;
    std::string *targets[2] = {&result.out, &result.err};
    const bool guarded = invocation.spawn == Spawn::guarded;
    const int pidfd = guarded ? processDescriptor(pid) : -1;
    // Output, the end of the process (so that a command that closes its output
    // and keeps running is still watched), and the watched descriptor.
    pollfd fds[5] = {{out.reading.get(), POLLIN, 0}, {err.reading.get(), POLLIN, 0}, {pidfd, POLLIN, 0},
                     {guarded ? invocation.watchDescriptor : -1, POLLIN, 0},
                     {guarded ? invocation.hangupDescriptor : -1, 0, 0}};
    int open = 2;
    bool reaped = false;
    bool aborted = false;
    int waitStatus = 0;
    std::string chunk;
    while (open > 0 || (fds[2].fd >= 0 && !reaped)) {
        if (poll(fds, 5, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if ((fds[3].fd >= 0 && fds[3].revents) || (fds[4].fd >= 0 && fds[4].revents)) {
            kill(-pid, SIGKILL);
            kill(pid, SIGKILL);
            aborted = true;
            break;
        }
        if (fds[2].fd >= 0 && fds[2].revents) {
            while (waitpid(pid, &waitStatus, 0) < 0 && errno == EINTR) {
            }
            reaped = true;
            fds[2].fd = -1;
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
    if (pidfd >= 0)
        ::close(pidfd);
    while (!reaped && waitpid(pid, &waitStatus, 0) < 0) {
        if (errno != EINTR)
            return systemError("cannot wait for " + invocation.program, errno);
    }
    result.status = aborted ? -SIGKILL : statusFrom(waitStatus);
    return result;
}

} // namespace childprocess
