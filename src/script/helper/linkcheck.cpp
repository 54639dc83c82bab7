#include "linkcheck.h"

#include "platform/pathtext.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace linkcheck {
namespace {

constexpr int maxLinks = 40;

using Components = std::vector<std::string>;

Components split(const std::string &path)
{
    Components out;
    for (const std::string_view name : pathtext::components(path))
        if (!name.empty())
            out.emplace_back(name);
    return out;
}

std::string join(const Components &components)
{
    std::string out;
    for (const std::string &component : components)
        out += (out.empty() ? "" : "/") + component;
    return out.empty() ? "." : out;
}

std::optional<std::string> readLinkAt(int dir, const std::string &path)
{
    std::string target(PATH_MAX, '\0');
    const ssize_t size = readlinkat(dir, path.c_str(), target.data(), target.size());
    if (size < 0)
        return std::nullopt;
    target.resize(static_cast<std::size_t>(size));
    return target;
}

// Resolves links inside one root, whose descriptor is `rootFd`.
class Resolver
{
public:
    Resolver(int rootFd, const std::string &root)
        : m_rootFd(rootFd)
    {
        m_roots.push_back(split(root));
        if (char *real = realpath(root.c_str(), nullptr)) {
            m_roots.push_back(split(real));
            std::free(real);
        }
    }

    // True when `target`, a link's text read in the folder `from` (relative
    // to the root), stays inside the root.
    bool staysInside(Components from, const std::string &target)
    {
        Components at = std::move(from);
        Components pending;
        int links = 0;
        if (!enter(at, pending, target))
            return false;
        while (!pending.empty()) {
            std::string part = std::move(pending.back());
            pending.pop_back();
            if (part == ".")
                continue;
            if (part == "..") {
                if (at.empty())
                    return false;
                at.pop_back();
                continue;
            }
            at.push_back(std::move(part));
            struct stat info;
            if (fstatat(m_rootFd, join(at).c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(info.st_mode))
                continue; // a folder, a file, or nothing yet: read on lexically
            const std::optional<std::string> next = readLinkAt(m_rootFd, join(at));
            at.pop_back();
            if (!next || ++links > maxLinks || !enter(at, pending, *next))
                return false;
        }
        return true;
    }

private:
    // Puts the components of `target` in front of what is pending; an
    // absolute target restarts from the root, if it names a place inside.
    bool enter(Components &at, Components &pending, const std::string &target)
    {
        Components parts = split(target);
        if (!target.empty() && target.front() == '/') {
            bool inside = false;
            for (const Components &root : m_roots) {
                if (parts.size() >= root.size() && std::equal(root.begin(), root.end(), parts.begin())) {
                    parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(root.size()));
                    inside = true;
                    break;
                }
            }
            if (!inside)
                return false;
            at.clear();
        }
        pending.insert(pending.end(), parts.rbegin(), parts.rend());
        return true;
    }

    int m_rootFd;
    std::vector<Components> m_roots;
};

struct Folder
{
    int fd;
    Components path; // relative to the root
    int error = 0;   // why it could not be opened, when fd is -1
};

} // namespace

std::optional<Escape> findEscape(const std::string &folder)
{
    const std::string root = pathtext::withoutTrailingSlashes(folder);
    const int rootFd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (rootFd < 0) {
        const int error = errno;
        struct stat info;
        if (lstat(root.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            return Escape{root, readLinkAt(AT_FDCWD, root).value_or(std::string())};
        if (error == ENOENT || error == ENOTDIR)
            return std::nullopt; // not there, or not a folder: nothing inside to leave it
        return Escape{root, {}, error};
    }
    Resolver resolver(rootFd, root);
    std::optional<Escape> escape;
    const int first = fcntl(rootFd, F_DUPFD_CLOEXEC, 0);
    std::vector<Folder> folders{{first, {}, first >= 0 ? 0 : errno}};
    while (!folders.empty()) {
        Folder folder = std::move(folders.back());
        folders.pop_back();
        DIR *listing = folder.fd >= 0 ? fdopendir(folder.fd) : nullptr;
        if (!listing) {
            const int error = folder.fd >= 0 ? errno : folder.error;
            if (folder.fd >= 0)
                ::close(folder.fd);
            escape = Escape{root + (folder.path.empty() ? "" : "/" + join(folder.path)), {}, error ? error : EIO};
            break;
        }
        while (const dirent *entry = readdir(listing)) {
            const std::string name = entry->d_name;
            if (name == "." || name == ".." || escape)
                continue;
            struct stat info;
            if (fstatat(dirfd(listing), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno != ENOENT) {
                    Components unreadable = folder.path;
                    unreadable.push_back(name);
                    escape = Escape{root + "/" + join(unreadable), {}, errno};
                }
                continue;
            }
            Components path = folder.path;
            path.push_back(name);
            if (S_ISDIR(info.st_mode)) {
                const int fd = openat(dirfd(listing), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                folders.push_back({fd, std::move(path), fd >= 0 ? 0 : errno});
            } else if (S_ISLNK(info.st_mode)) {
                const std::optional<std::string> target = readLinkAt(dirfd(listing), name);
                if (!target || !resolver.staysInside(folder.path, *target))
                    escape = Escape{root + "/" + join(path), target.value_or(std::string())};
            }
        }
        closedir(listing);
        if (escape)
            break;
    }
    for (const Folder &folder : folders)
        if (folder.fd >= 0)
            ::close(folder.fd);
    ::close(rootFd);
    return escape;
}

std::string describe(const std::string &root, const Escape &escape)
{
    if (escape.error != 0)
        return "cp: refusing to install '" + root + "': '" + escape.link + "' cannot be checked for links ("
               + std::strerror(escape.error) + ")";
    return "cp: refusing to install '" + root + "': the link '" + escape.link + "' leads outside it (to '"
           + escape.target + "')";
}

} // namespace linkcheck
