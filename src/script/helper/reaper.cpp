#include "reaper.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace reaper {
namespace {

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            text.append(buffer, static_cast<std::size_t>(got));
    return text;
}

std::vector<pid_t> numbers(const std::string &text)
{
    std::vector<pid_t> out;
    const char *p = text.c_str();
    char *end = nullptr;
    for (long value = std::strtol(p, &end, 10); end != p; value = std::strtol(p, &end, 10)) {
        out.push_back(static_cast<pid_t>(value));
        p = end;
    }
    return out;
}

// The parent of `pid` from /proc/<pid>/stat, where the command name in
// parentheses may itself hold blanks and parentheses.
pid_t parentOf(const char *pid)
{
    const int fd = ::open((std::string("/proc/") + pid + "/stat").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const std::string stat = readAll(fd);
    ::close(fd);
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos || close + 4 > stat.size())
        return -1;
    return static_cast<pid_t>(std::strtol(stat.c_str() + close + 4, nullptr, 10)); // ") S ppid"
}

std::vector<pid_t> children()
{
    const std::string self = std::to_string(getpid());
    const int fd = ::open(("/proc/self/task/" + self + "/children").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        const std::string text = readAll(fd);
        ::close(fd);
        return numbers(text);
    }
    // Kernels without that file: every process whose parent we are.
    std::vector<pid_t> out;
    DIR *proc = opendir("/proc");
    if (!proc)
        return out;
    while (const dirent *entry = readdir(proc)) {
        if (entry->d_name[0] >= '1' && entry->d_name[0] <= '9' && parentOf(entry->d_name) == getpid())
            out.push_back(static_cast<pid_t>(std::strtol(entry->d_name, nullptr, 10)));
    }
    closedir(proc);
    return out;
}

[[noreturn]] void exitAs(int status)
{
    if (WIFSIGNALED(status)) {
        // The installer reads how the helper ended, so end the same way.
        const int number = WTERMSIG(status);
        signal(number, SIG_DFL);
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, number);
        sigprocmask(SIG_UNBLOCK, &set, nullptr);
        kill(getpid(), number);
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}

} // namespace

void sweep()
{
    // Each round kills what is there; what those leave behind is adopted by
    // this process before they can be reaped, so the next round finds it.
    for (int round = 0; round < 10000; ++round) {
        const std::vector<pid_t> found = children();
        if (found.empty())
            break;
        for (const pid_t child : found)
            kill(child, SIGKILL);
        for (const pid_t child : found)
            while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
            }
    }
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
}

std::optional<int> splitOff()
{
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0)
        return std::nullopt;
    int lifeline[2];
    if (pipe2(lifeline, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t server = fork();
    if (server < 0) {
        const int error = errno;
        ::close(lifeline[0]);
        ::close(lifeline[1]);
        errno = error;
        return std::nullopt;
    }
    if (server == 0) {
        ::close(lifeline[1]);
        // Not inherited across fork.
        if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0)
            _exit(3);
        return lifeline[0];
    }

    // The reaper keeps only standard error and its end of the lifeline, so
    // the installer's pipes end with the server.
    const int devnull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devnull >= 0) {
        dup2(devnull, 0);
        dup2(devnull, 1);
    }
    const int kept = fcntl(lifeline[1], F_DUPFD_CLOEXEC, 3);
    close_range(3, static_cast<unsigned>(kept - 1), 0);
    close_range(static_cast<unsigned>(kept + 1), ~0U, 0);
    int status = 0;
    while (waitpid(server, &status, 0) < 0) {
        if (errno != EINTR) {
            status = 1 << 8;
            break;
        }
    }
    sweep();
    exitAs(status);
}

} // namespace reaper
