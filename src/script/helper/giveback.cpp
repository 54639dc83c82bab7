#include "giveback.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace giveback {
namespace {

// Bounds the work in a folder tree that someone has filled on purpose.
constexpr std::size_t maxEntries = 1000000;

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

class Walk
{
public:
    explicit Walk(const Account &user)
        : m_uid(user.credentials.uid)
        , m_gid(user.credentials.gid)
        , m_name(user.name)
    {
    }

    // Gives back what `fd` (opened without following a link) refers to.
    void giveBack(int fd, const std::string &path)
    {
        struct stat info;
        if (fstat(fd, &info) != 0)
            return fail(path, errno);
        const bool rootsOwn = info.st_uid == 0;
        const bool rootsGroup = info.st_uid == m_uid && info.st_gid == 0;
        if (!rootsOwn && !rootsGroup)
            return;
        if (S_ISREG(info.st_mode) && info.st_nlink != 1)
            return; // another name of it may lie anywhere
        if (!S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
            return;
        if (fchownat(fd, "", rootsOwn ? m_uid : uid_t(-1), m_gid, AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW) != 0)
            fail(path, errno);
    }

    // Gives back `fd`, a folder, and everything below it.
    void giveBackTree(int fd, const std::string &path)
    {
        struct Folder
        {
            int fd;
            std::string path;
        };
        std::vector<Folder> folders{{fd, path}};
        while (!folders.empty()) {
            Folder folder = std::move(folders.back());
            folders.pop_back();
            giveBack(folder.fd, folder.path);
            DIR *listing = fdopendir(folder.fd);
            if (!listing) {
                ::close(folder.fd);
                continue;
            }
            while (const dirent *entry = readdir(listing)) {
                const std::string name = entry->d_name;
                if (name == "." || name == "..")
                    continue;
                if (++m_entries > maxEntries) {
                    fail(path, E2BIG);
                    break;
                }
                const std::string child = folder.path + "/" + name;
                const int sub = openat(dirfd(listing), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (sub >= 0) {
                    folders.push_back({sub, child});
                    continue;
                }
                const int other = openat(dirfd(listing), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
                if (other >= 0) {
                    giveBack(other, child);
                    ::close(other);
                }
            }
            closedir(listing);
        }
    }

    const std::string &error() const { return m_error; }

private:
    void fail(const std::string &path, int error)
    {
        if (m_error.empty())
            m_error = "cannot give " + path + " back to " + m_name + ": " + std::strerror(error);
    }

    uid_t m_uid;
    gid_t m_gid;
    std::string m_name;
    std::size_t m_entries = 0;
    std::string m_error;
};

} // namespace

std::string giveBack(const std::string &target, const Account &user)
{
    if (user.credentials.uid == 0 || geteuid() != 0)
        return {};
    const std::string home = withoutTrailingSlashes(user.home);
    const std::string folder = withoutTrailingSlashes(target);
    if (home.size() < 2 || home.front() != '/' || folder.compare(0, home.size() + 1, home + "/") != 0)
        return {};

    // The home itself is where the user database says; it must be the user's.
    int fd = ::open(home.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info;
    if (fstat(fd, &info) != 0 || info.st_uid != user.credentials.uid) {
        ::close(fd);
        return {};
    }
    Walk walk(user);
    std::string path = home;
    std::size_t start = home.size() + 1;
    while (start <= folder.size()) {
        std::size_t end = folder.find('/', start);
        if (end == std::string::npos)
            end = folder.size();
        const std::string name = folder.substr(start, end - start);
        start = end + 1;
        if (name.empty())
            continue;
        if (name == "." || name == "..") {
            ::close(fd);
            return {};
        }
        path += "/" + name;
        const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(fd);
        if (next < 0)
            return walk.error();
        if (start <= folder.size())
            walk.giveBack(next, path);
        fd = next;
    }
    walk.giveBackTree(fd, path); // closes fd
    return walk.error();
}

} // namespace giveback
