#include "installfolder.h"

#include "platform/pathtext.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace installfolder {
namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::string quoted(const std::string &path) { return "'" + path + "'"; }

bool ownedByUs(const struct stat &info) { return info.st_uid == 0 || info.st_uid == geteuid(); }

// A link on the way is followed only when it is root's (or ours): a system
// whose /usr/local is a link to elsewhere installs there, but no link of
// another user's can send root anywhere.
std::variant<UniqueFd, std::string> step(int parent, const std::string &name, const std::string &shown)
{
    UniqueFd next(openat(parent, name.c_str(), folderFlags));
    if (next.valid())
        return next;
    const int error = errno;
    struct stat info;
    if ((error == ELOOP || error == ENOTDIR) && fstatat(parent, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISLNK(info.st_mode)) {
        if (!ownedByUs(info))
            return "cannot use " + quoted(shown) + ": it is a link that another user made";
        next.reset(openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (next.valid())
            return next;
        return "cannot open " + quoted(shown) + ": " + std::strerror(errno);
    }
    errno = error;
    return std::string();
}

} // namespace

bool trusted(int folder)
{
    // Without privileges there is nothing to be led astray with.
    if (geteuid() != 0)
        return true;
    struct stat info;
    if (fstat(folder, &info) != 0 || !S_ISDIR(info.st_mode) || !ownedByUs(info))
        return false;
    return (info.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (info.st_mode & S_ISVTX) != 0;
}

std::variant<UniqueFd, std::string> openBelow(int folder, const std::string &name, const std::string &shownPath)
{
    auto next = step(folder, name, shownPath);
    if (auto *fd = std::get_if<UniqueFd>(&next); fd && !trusted(fd->get()))
        return "cannot install into " + quoted(shownPath) + ": another user can change it";
    if (auto *message = std::get_if<std::string>(&next); message && message->empty())
        *message = "cannot open " + quoted(shownPath) + ": " + std::strerror(errno);
    return next;
}

std::variant<UniqueFd, std::string> open(const std::string &path, Missing missing)
{
    if (path.empty() || path.front() != '/')
        return "cannot use " + quoted(path) + ": not an absolute path";
    UniqueFd at(::open("/", folderFlags));
    if (!at.valid())
        return std::string("cannot open '/': ") + std::strerror(errno);
    std::string shown;
    for (const std::string_view part : pathtext::components(path)) {
        const std::string name(part);
        if (name.empty() || name == ".")
            continue;
        if (name == "..")
            return "cannot use " + quoted(path) + ": it climbs with '..'";
        shown += "/" + name;
        auto next = step(at.get(), name, shown);
        if (auto *message = std::get_if<std::string>(&next); message && message->empty()) {
            if (missing == Missing::create && errno != ENOENT)
                return "mkdir: cannot create directory " + quoted(shown) + ": " + std::strerror(errno);
            if (errno != ENOENT || missing == Missing::fail)
                return "cannot open " + quoted(shown) + ": " + std::strerror(errno);
            if (mkdirat(at.get(), name.c_str(), 0755) != 0 && errno != EEXIST)
                return "mkdir: cannot create directory " + quoted(shown) + ": " + std::strerror(errno);
            next = step(at.get(), name, shown);
            if (auto *again = std::get_if<std::string>(&next); again && again->empty())
                return "mkdir: cannot create directory " + quoted(shown) + ": " + std::strerror(errno);
        }
        if (auto *message = std::get_if<std::string>(&next))
            return *message;
        at = std::get<UniqueFd>(std::move(next));
        if (!trusted(at.get()))
            return "cannot install into " + quoted(shown) + ": another user can change it";
    }
    return at;
}

} // namespace installfolder
