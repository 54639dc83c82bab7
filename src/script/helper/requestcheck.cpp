#include "requestcheck.h"

#include "platform/pathtext.h"

#include <vector>

namespace requestcheck {
namespace {

using helperprotocol::Request;
using helperprotocol::RequestKind;

// One component of a path: not empty, not "." or "..", no "/" and no NUL.
bool isPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos
           && name.find('\0') == std::string_view::npos;
}

std::string refused(const Request &request, const std::string &why)
{
    return std::string("The privileged helper refuses to ") + helperprotocol::nameOf(request.kind) + " ('" + request.path
           + "'): " + why + ".";
}

} // namespace

InstallFolders installFolders(std::string_view installRoot, std::string_view workingFolder)
{
    std::string root(installRoot);
    if (!root.empty() && root.front() != '/')
        root = pathtext::joinable(std::string(workingFolder)) + "/" + root;
    root = pathtext::joinable(root);
    return {root + "/opt/Veltrano", root + "/usr/local/share/Adobe/Plug-Ins/CC/Veltrano"};
}

std::optional<std::string> refusal(const Request &request)
{
    switch (request.kind) {
    case RequestKind::makeFolder:
    case RequestKind::userCommand:
    case RequestKind::endOfRun:
        return std::nullopt;
    case RequestKind::linkElement:
        if (!isPlainName(request.path))
            return refused(request, "an element is named by one plain name");
        return std::nullopt;
    case RequestKind::copyElement: {
        const std::string source = pathtext::joinable(request.path);
        if (source.empty() || source.front() != '/')
            return refused(request, "the element must be given by its absolute path");
        if (!isPlainName(source.substr(source.rfind('/') + 1)))
            return refused(request, "the element's own name must be a plain name");
        return std::nullopt;
    }
    case RequestKind::writeFile: {
        const std::vector<std::string_view> parts = pathtext::components(request.path);
        if (parts.size() < 2)
            return refused(request, "the file must lie inside an element of the maker's folder");
        for (const std::string_view part : parts)
            if (!isPlainName(part))
                return refused(request, "the file must be named by plain names inside the maker's folder");
        return std::nullopt;
    }
    case RequestKind::giveBack:
        if (request.path.empty() || request.path.front() != '/')
            return refused(request, "the Lightroom folder must be an absolute path");
        return std::nullopt;
    }
    return refused(request, "it is not a request the helper knows");
}

} // namespace requestcheck
