#include "watchedwork.h"

#include "childprocess.h"
#include "uniquefd.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace watchedwork {
namespace {

bool fired(const pollfd &watched) { return watched.fd >= 0 && watched.revents != 0; }

} // namespace

bool installerGone(const Watch &watch)
{
    pollfd fds[2] = {{watch.lifeline, POLLIN, 0}, {watch.requests, 0, 0}};
    while (poll(fds, 2, 0) < 0)
        if (errno != EINTR)
            return true;
    return fired(fds[0]) || fired(fds[1]);
}

helperprotocol::Reply run(const std::function<helperprotocol::Reply()> &work, const Watch &watch)
{
    Pipe ends = Pipe::open();
    if (!ends.valid())
        return {1, {}, std::string("cannot create a pipe: ") + std::strerror(errno)};
    UniqueFd &reading = ends.reading;
    UniqueFd &writing = ends.writing;
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child < 0)
        return {1, {}, std::string("cannot start the work: ") + std::strerror(errno)};
    if (child == 0) {
        // The work touches neither the installer's pipes nor outlives the helper.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
        const int devnull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (devnull < 0 || dup2(devnull, 0) < 0 || dup2(devnull, 1) < 0)
            _exit(1);
        reading.reset();
        const helperprotocol::Reply reply = work();
        _exit(childprocess::writeAll(writing.get(), helperprotocol::encode(reply)) ? 0 : 1);
    }
    writing.reset();

    std::string buffer;
    pollfd fds[3] = {{reading.get(), POLLIN, 0}, {watch.lifeline, POLLIN, 0}, {watch.requests, 0, 0}};
    bool aborted = false;
    for (;;) {
        if (poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            aborted = true;
        }
        if (aborted || fired(fds[1]) || fired(fds[2])) {
            kill(child, SIGKILL);
            aborted = true;
            break;
        }
        if (fds[0].revents != 0 && !childprocess::readSome(reading.get(), buffer))
            break;
        if (buffer.size() > 2 * helperprotocol::maxOutputSize + 64)
            break;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (aborted)
        return {-SIGKILL, {}, "the installer has gone"};
    helperprotocol::Reply reply;
    if (helperprotocol::decode(buffer, reply).status == helperprotocol::DecodeStatus::complete)
        return reply;
    return {childprocess::statusFrom(status) == 0 ? 1 : childprocess::statusFrom(status), {},
            "the privileged work ended without an answer"};
}

} // namespace watchedwork
