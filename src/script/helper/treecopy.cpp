#include "treecopy.h"

#include "platform/pathtext.h"
#include "readingidentity.h"
#include "uniquefd.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace treecopy {
namespace {

constexpr mode_t permissionBits = 0777;

std::string quoted(const std::string &path) { return "'" + path + "'"; }
std::string failed(const std::string &what, int error) { return "cp: " + what + ": " + std::strerror(error); }

struct ListingCloser
{
    void operator()(DIR *listing) const { closedir(listing); }
};
using Listing = std::unique_ptr<DIR, ListingCloser>;

struct Level
{
    UniqueFd source;
    UniqueFd target;
    Listing listing;
    std::string sourcePath;
    std::string targetPath;
};

bool sameEntry(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && (a.st_mode & S_IFMT) == (b.st_mode & S_IFMT);
}

class Copy
{
public:
    explicit Copy(const childprocess::Credentials &reader)
        : m_reader(reader)
    {
    }

    std::string run(const std::string &source, int into, const std::string &intoPath)
    {
        const std::string top = pathtext::withoutTrailingSlashes(source);
        const std::string name = top.substr(top.rfind('/') + 1);
        UniqueFd folder;
        struct stat seen;
        {
            ReadingIdentity identity(m_reader);
            if (!identity.held())
                return "cp: cannot take the identity of the user to read " + quoted(top);
            folder.reset(::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (!folder.valid())
                return failed("cannot read " + quoted(top), errno);
            if (fstat(folder.get(), &seen) != 0)
                return failed("cannot read " + quoted(top), errno);
        }
        std::vector<Level> levels;
        if (std::string error = enter(levels, std::move(folder), seen, into, name, top, intoPath + "/" + name);
            !error.empty())
            return error;
        while (!levels.empty()) {
            Level &level = levels.back();
            errno = 0;
            const dirent *entry = readdir(level.listing.get());
            if (!entry) {
                if (errno != 0)
                    return failed("cannot read " + quoted(level.sourcePath), errno);
                levels.pop_back();
                continue;
            }
            const std::string entryName = entry->d_name;
            if (entryName == "." || entryName == "..")
                continue;
            if (std::string error = copyEntry(levels, entryName); !error.empty())
                return error;
        }
        return {};
    }

private:
    // Makes (or keeps) the target folder for an opened source folder and
    // puts both on the stack.
    std::string enter(std::vector<Level> &levels, UniqueFd source, const struct stat &info, int targetParent,
                      const std::string &name, const std::string &sourcePath, const std::string &targetPath)
    {
        if (mkdirat(targetParent, name.c_str(), info.st_mode & permissionBits) != 0 && errno != EEXIST)
            return failed("cannot create directory " + quoted(targetPath), errno);
        UniqueFd target(openat(targetParent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!target.valid()) {
            if (errno == ENOTDIR || errno == ELOOP)
                return "cp: cannot overwrite non-directory " + quoted(targetPath) + " with directory " + quoted(sourcePath);
            return failed("cannot open " + quoted(targetPath), errno);
        }
        const int listed = fcntl(source.get(), F_DUPFD_CLOEXEC, 0);
        Listing listing(listed >= 0 ? fdopendir(listed) : nullptr);
        if (!listing) {
            const int error = errno;
            if (listed >= 0 && !listing)
                ::close(listed);
            return failed("cannot read " + quoted(sourcePath), error);
        }
        levels.push_back({std::move(source), std::move(target), std::move(listing), sourcePath, targetPath});
        return {};
    }

    std::string copyEntry(std::vector<Level> &levels, const std::string &name)
    {
        Level &level = levels.back();
        const std::string sourcePath = level.sourcePath + "/" + name;
        const std::string targetPath = level.targetPath + "/" + name;
        struct stat seen;
        UniqueFd opened;
        std::string linkTarget;
        {
            ReadingIdentity identity(m_reader);
            if (!identity.held())
                return "cp: cannot take the identity of the user to read " + quoted(sourcePath);
            if (fstatat(level.source.get(), name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
                return failed("cannot read " + quoted(sourcePath), errno);
            if (S_ISLNK(seen.st_mode)) {
                std::string text(PATH_MAX, '\0');
                const ssize_t size = readlinkat(level.source.get(), name.c_str(), text.data(), text.size());
                if (size < 0)
                    return failed("cannot read " + quoted(sourcePath), errno);
                linkTarget = text.substr(0, static_cast<std::size_t>(size));
            } else if (S_ISDIR(seen.st_mode) || S_ISREG(seen.st_mode)) {
                // Non-blocking, so that something swapped in that would
                // block an open (a FIFO) is found by the check below.
                const int flags = S_ISDIR(seen.st_mode) ? O_RDONLY | O_DIRECTORY : O_RDONLY | O_NONBLOCK;
                opened.reset(openat(level.source.get(), name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
                struct stat now;
                if (!opened.valid()) {
                    if (errno == ELOOP || errno == ENOTDIR)
                        return changed(sourcePath);
                    return failed("cannot read " + quoted(sourcePath), errno);
                }
                if (fstat(opened.get(), &now) != 0 || !sameEntry(seen, now))
                    return changed(sourcePath);
                seen = now;
            } else {
                return "cp: refusing to install " + quoted(sourcePath)
                       + ": it is not a regular file, folder or link, and nothing of it was installed";
            }
        }
        if (S_ISDIR(seen.st_mode))
            return enter(levels, std::move(opened), seen, level.target.get(), name, sourcePath, targetPath);
        if (S_ISLNK(seen.st_mode))
            return copyLink(level.target.get(), name, linkTarget, targetPath);
        return copyFile(opened.get(), seen, level.target.get(), name, sourcePath, targetPath);
    }

    static std::string changed(const std::string &sourcePath)
    {
        return "cp: refusing to install " + quoted(sourcePath)
               + ": it was replaced while it was being copied, and nothing of it was installed";
    }

    // Makes room for a non-folder at `name`, as cp -f does; a folder there stays.
    static std::string clear(int folder, const std::string &name, const std::string &targetPath)
    {
        struct stat existing;
        if (fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0)
            return {};
        if (S_ISDIR(existing.st_mode))
            return "cp: cannot overwrite directory " + quoted(targetPath) + " with non-directory";
        if (unlinkat(folder, name.c_str(), 0) != 0 && errno != ENOENT)
            return failed("cannot remove " + quoted(targetPath), errno);
        return {};
    }

    static std::string copyLink(int folder, const std::string &name, const std::string &target,
                                const std::string &targetPath)
    {
        if (std::string error = clear(folder, name, targetPath); !error.empty())
            return error;
        if (symlinkat(target.c_str(), folder, name.c_str()) != 0)
            return failed("cannot create symbolic link " + quoted(targetPath), errno);
        return {};
    }

    static std::string copyFile(int source, const struct stat &info, int folder, const std::string &name,
                                const std::string &sourcePath, const std::string &targetPath)
    {
        const mode_t mode = info.st_mode & permissionBits;
        UniqueFd target(openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!target.valid() && (errno == ELOOP || errno == EACCES || errno == ETXTBSY)) {
            if (std::string error = clear(folder, name, targetPath); !error.empty())
                return error;
            target.reset(openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        }
        if (!target.valid())
            return failed("cannot create regular file " + quoted(targetPath), errno);
        struct stat written;
        if (fstat(target.get(), &written) != 0 || !S_ISREG(written.st_mode))
            return "cp: cannot create regular file " + quoted(targetPath) + ": not a regular file";
        // An earlier copy may have carried other bits; this one carries the
        // source's permissions, less what the umask takes.
        if (fchmod(target.get(), mode & ~mode_t(022)) != 0)
            return failed("cannot set the permissions of " + quoted(targetPath), errno);
        const int flags = fcntl(source, F_GETFL);
        if (flags < 0 || fcntl(source, F_SETFL, flags & ~O_NONBLOCK) != 0)
            return failed("cannot read " + quoted(sourcePath), errno);
        // What was opened is what is copied, and no more than it held then.
        off_t left = info.st_size;
        std::vector<char> buffer(128 * 1024);
        while (left > 0) {
            const ssize_t got = ::read(source, buffer.data(), std::min<std::size_t>(buffer.size(), std::size_t(left)));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return failed("error reading " + quoted(sourcePath), errno);
            if (got == 0)
                break;
            for (ssize_t done = 0; done < got;) {
                const ssize_t put = ::write(target.get(), buffer.data() + done, std::size_t(got - done));
                if (put < 0 && errno == EINTR)
                    continue;
                if (put < 0)
                    return failed("error writing " + quoted(targetPath), errno);
                done += put;
            }
            left -= got;
        }
        if (::close(target.release()) != 0)
            return failed("error writing " + quoted(targetPath), errno);
        return {};
    }

    const childprocess::Credentials &m_reader;
};

} // namespace

std::string copy(const std::string &source, int into, const std::string &intoPath, const childprocess::Credentials &reader)
{
    return Copy(reader).run(source, into, intoPath);
}

} // namespace treecopy
