#include "rootoperations.h"

#include "childprocess.h"
#include "installfolder.h"
#include "linkcheck.h"
#include "platform/pathtext.h"
#include "treecopy.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rootoperations {
namespace {

using helperprotocol::InstallFolder;
using helperprotocol::Reply;
using helperprotocol::Request;
using helperprotocol::RequestKind;

Reply failure(const std::string &message) { return {1, {}, message}; }

// Removes what the folder `name` of `parent` holds, and it, without
// following any link.
void removeTree(int parent, const std::string &name)
{
    UniqueFd folder(openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) {
        unlinkat(parent, name.c_str(), 0);
        return;
    }
    const int listed = fcntl(folder.get(), F_DUPFD_CLOEXEC, 0);
    if (DIR *listing = listed >= 0 ? fdopendir(listed) : nullptr) {
        while (const dirent *entry = readdir(listing)) {
            const std::string child = entry->d_name;
            if (child != "." && child != "..")
                removeTree(folder.get(), child);
        }
        closedir(listing);
    } else if (listed >= 0) {
        ::close(listed);
    }
    unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

Reply makeFolder(const Request &request, const requestcheck::InstallFolders &folders)
{
    const std::string &path = request.folder == InstallFolder::maker ? folders.maker : folders.plugins;
    auto opened = installfolder::open(path, installfolder::Missing::create);
    if (const auto *message = std::get_if<std::string>(&opened))
        return failure(*message);
    return {};
}

Reply copyElement(const Request &request, const requestcheck::InstallFolders &folders, const Account &user)
{
    auto maker = installfolder::open(folders.maker, installfolder::Missing::fail);
    if (const auto *message = std::get_if<std::string>(&maker))
        return failure("cp: " + *message);
    const int into = std::get<UniqueFd>(maker).get();
    const std::string name = pathtext::lastComponent(request.path);
    const std::string copied = folders.maker + "/" + name;
    // A link already there that leads out would take later writes with it.
    if (const auto found = linkcheck::findEscape(copied))
        return failure(linkcheck::describe(copied, *found));
    std::string error = treecopy::copy(request.path, into, folders.maker, user.credentials);
    if (const auto found = linkcheck::findEscape(copied)) {
        removeTree(into, name);
        if (error.empty())
            error = linkcheck::describe(copied, *found);
    }
    return error.empty() ? Reply{} : failure(error);
}

Reply linkElement(const Request &request, const requestcheck::InstallFolders &folders)
{
    auto plugins = installfolder::open(folders.plugins, installfolder::Missing::fail);
    if (const auto *message = std::get_if<std::string>(&plugins))
        return failure("ln: " + *message);
    UniqueFd at = std::get<UniqueFd>(std::move(plugins));
    const std::string target = folders.maker + "/" + request.path;
    std::string shown = folders.plugins + "/" + request.path;
    // A real folder of that name takes the link inside it, as ln does with
    // a folder that is not a link.
    struct stat existing;
    if (fstatat(at.get(), request.path.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(existing.st_mode)) {
        auto inner = installfolder::openBelow(at.get(), request.path, shown);
        if (const auto *message = std::get_if<std::string>(&inner))
            return failure("ln: " + *message);
        at = std::get<UniqueFd>(std::move(inner));
        shown += "/" + request.path;
    }
    if (fstatat(at.get(), request.path.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(existing.st_mode))
            return failure("ln: " + shown + ": Is a directory");
        if (unlinkat(at.get(), request.path.c_str(), 0) != 0 && errno != ENOENT)
            return failure("ln: cannot remove '" + shown + "': " + std::strerror(errno));
    }
    if (symlinkat(target.c_str(), at.get(), request.path.c_str()) != 0)
        return failure("ln: failed to create symbolic link '" + shown + "': " + std::strerror(errno));
    return {};
}

Reply writeFile(const Request &request, const requestcheck::InstallFolders &folders)
{
    const std::string shown = folders.maker + "/" + request.path;
    auto opened = installfolder::open(folders.maker, installfolder::Missing::fail);
    if (const auto *message = std::get_if<std::string>(&opened))
        return failure("echo: " + *message);
    UniqueFd at = std::get<UniqueFd>(std::move(opened));
    std::string walked = folders.maker;
    const std::vector<std::string_view> parts = pathtext::components(request.path);
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string name(parts[i]);
        walked += "/" + name;
        auto next = installfolder::openBelow(at.get(), name, walked);
        if (const auto *message = std::get_if<std::string>(&next))
            return failure("echo: cannot create " + shown + ": " + *message);
        at = std::get<UniqueFd>(std::move(next));
    }
    const std::string name(parts.back());
    UniqueFd file(openat(at.get(), name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644));
    if (!file.valid())
        return failure("echo: cannot create " + shown + ": " + std::strerror(errno));
    struct stat info;
    if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return failure("echo: cannot create " + shown + ": not a regular file");
    if (!childprocess::writeAll(file.get(), request.text) || ::close(file.release()) != 0)
        return failure("echo: " + shown + ": " + std::strerror(errno));
    return {};
}

} // namespace

Reply perform(const Request &request, const requestcheck::InstallFolders &folders, const Account &user)
{
    switch (request.kind) {
    case RequestKind::makeFolder: return makeFolder(request, folders);
    case RequestKind::copyElement: return copyElement(request, folders, user);
    case RequestKind::linkElement: return linkElement(request, folders);
    case RequestKind::writeFile: return writeFile(request, folders);
    default: return failure(std::string("The privileged helper does not ") + helperprotocol::nameOf(request.kind) + " as root.");
    }
}

} // namespace rootoperations
