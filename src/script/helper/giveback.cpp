#include "giveback.h"

#include "platform/pathtext.h"
#include "uniquefd.h"

#include <algorithm>
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

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

bool startsWith(const std::string &text, const std::string &prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

bool endsWith(const std::string &text, const std::string &suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Only what root made in the user's files is given back: a folder of
// root's at a place an installation makes, and inside such a folder what
// is root's. Nobody else can put anything into a folder of root's, so all
// of it is root's doing; a folder of the user's is left alone, as the user
// can replace what it holds. Never a hard link (another name of it may lie
// anywhere) and never a special file.
class Walk
{
public:
    explicit Walk(const Account &user)
        : m_uid(user.credentials.uid)
        , m_gid(user.credentials.gid)
        , m_name(user.name)
    {
    }

    // Opens the folder `name` of `parent`; gives it back when it is root's
    // and says so. Nothing is followed through a link.
    UniqueFd folder(int parent, const std::string &name, const std::string &path, bool &wasRoots)
    {
        UniqueFd fd(openat(parent, name.c_str(), folderFlags));
        wasRoots = false;
        if (!fd.valid())
            return fd;
        struct stat info;
        if (fstat(fd.get(), &info) != 0) {
            fail(path, errno);
            return UniqueFd();
        }
        wasRoots = info.st_uid == 0;
        if (wasRoots && fchown(fd.get(), m_uid, m_gid) != 0)
            fail(path, errno);
        return fd;
    }

    // Gives back every entry of root's below `fd`, a folder that was root's.
    void contents(UniqueFd fd, const std::string &path, bool (*wanted)(const std::string &name) = nullptr)
    {
        struct Pending
        {
            UniqueFd fd;
            std::string path;
        };
        std::vector<Pending> pending;
        pending.push_back({std::move(fd), path});
        while (!pending.empty()) {
            Pending folder = std::move(pending.back());
            pending.pop_back();
            const int listed = fcntl(folder.fd.get(), F_DUPFD_CLOEXEC, 0);
            DIR *listing = listed >= 0 ? fdopendir(listed) : nullptr;
            if (!listing) {
                if (listed >= 0)
                    ::close(listed);
                fail(folder.path, errno);
                continue;
            }
            while (const dirent *entry = readdir(listing)) {
                const std::string name = entry->d_name;
                if (name == "." || name == ".." || (wanted && folder.path == path && !wanted(name)))
                    continue;
                if (++m_entries > maxEntries) {
                    fail(path, E2BIG);
                    break;
                }
                const std::string child = folder.path + "/" + name;
                struct stat info;
                if (fstatat(folder.fd.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || info.st_uid != 0)
                    continue;
                if (S_ISDIR(info.st_mode)) {
                    bool wasRoots = false;
                    if (UniqueFd sub = this->folder(folder.fd.get(), name, child, wasRoots); sub.valid() && wasRoots)
                        pending.push_back({std::move(sub), child});
                } else if (S_ISLNK(info.st_mode) || (S_ISREG(info.st_mode) && info.st_nlink == 1)) {
                    giveBackEntry(folder.fd.get(), name, child);
                }
            }
            closedir(listing);
        }
    }

    const std::string &error() const { return m_error; }

private:
    // A file or link, opened without following it and checked again, so
    // that what is given back is what was looked at.
    void giveBackEntry(int folder, const std::string &name, const std::string &path)
    {
        UniqueFd fd(openat(folder, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat info;
        if (!fd.valid() || fstat(fd.get(), &info) != 0 || info.st_uid != 0)
            return;
        if (S_ISREG(info.st_mode) && info.st_nlink != 1)
            return;
        if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
            return;
        if (fchownat(fd.get(), "", m_uid, m_gid, AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW) != 0)
            fail(path, errno);
    }

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

bool isPluginLink(const std::string &name) { return startsWith(name, "softhaze") && endsWith(name, ".lrdevplugin"); }

// Opens the user's Lightroom folder below `from`, a folder of the user's,
// touching nothing on the way and following no link below `from`.
UniqueFd openLightroom(const std::string &from, const std::string &folder, uid_t uid)
{
    UniqueFd fd(::open(from.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info;
    if (!fd.valid() || fstat(fd.get(), &info) != 0 || info.st_uid != uid)
        return UniqueFd();
    const std::string_view below = std::string_view(folder).substr(std::min(folder.size(), from.size() + 1));
    for (const std::string_view part : pathtext::components(below)) {
        const std::string name(part);
        if (name.empty() || name == ".")
            continue;
        if (name == "..")
            return UniqueFd();
        fd.reset(openat(fd.get(), name.c_str(), folderFlags));
        if (!fd.valid())
            return fd;
    }
    return fd;
}

} // namespace

std::string giveBack(const std::string &target, const std::string &dataFolder, const Account &user)
{
    if (user.credentials.uid == 0 || geteuid() != 0)
        return {};
    const std::string lightroom = pathtext::withoutTrailingSlashes(target);
    // The home the user database names comes first; the data folder the
    // installer names counts only where the home does not hold the
    // Lightroom folder, and only as a folder the user owns.
    UniqueFd base;
    for (const std::string &named : {user.home, dataFolder}) {
        const std::string start = pathtext::withoutTrailingSlashes(named);
        if (start.size() >= 2 && start.front() == '/' && startsWith(lightroom, start + "/")) {
            base = openLightroom(start, lightroom, user.credentials.uid);
            break;
        }
    }
    if (!base.valid())
        return {};

    Walk walk(user);
    bool wasRoots = false;
    // External Editor Presets/Veltrano and each Export Presets/Veltrano
    // Softhaze N hold only what an installation puts there.
    if (UniqueFd editors = walk.folder(base.get(), "External Editor Presets", lightroom + "/External Editor Presets", wasRoots);
        editors.valid()) {
        const std::string path = lightroom + "/External Editor Presets/Veltrano";
        if (UniqueFd ours = walk.folder(editors.get(), "Veltrano", path, wasRoots); ours.valid() && wasRoots)
            walk.contents(std::move(ours), path);
    }
    if (UniqueFd exports = walk.folder(base.get(), "Export Presets", lightroom + "/Export Presets", wasRoots);
        exports.valid()) {
        const int listed = fcntl(exports.get(), F_DUPFD_CLOEXEC, 0);
        std::vector<std::string> presets;
        if (DIR *listing = listed >= 0 ? fdopendir(listed) : nullptr) {
            while (const dirent *entry = readdir(listing))
                if (startsWith(entry->d_name, "Veltrano Softhaze "))
                    presets.emplace_back(entry->d_name);
            closedir(listing);
        } else if (listed >= 0) {
            ::close(listed);
        }
        for (const std::string &name : presets) {
            const std::string path = lightroom + "/Export Presets/" + name;
            if (UniqueFd ours = walk.folder(exports.get(), name, path, wasRoots); ours.valid() && wasRoots)
                walk.contents(std::move(ours), path);
        }
    }
    // Modules is shared with other plug-ins: of a Modules of root's, only
    // the plug-in links an installation makes there.
    if (UniqueFd modules = walk.folder(base.get(), "Modules", lightroom + "/Modules", wasRoots);
        modules.valid() && wasRoots)
        walk.contents(std::move(modules), lightroom + "/Modules", isPluginLink);
    return walk.error();
}

} // namespace giveback
