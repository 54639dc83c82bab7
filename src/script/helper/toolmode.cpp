#include "toolmode.h"

#include "bsdtools.h"
#include "childprocess.h"
#include "linkcheck.h"
#include "platform/pathtext.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace toolmode {
namespace {

constexpr int usageStatus = 64;

// The GNU tool under its short name, so its messages read "cp: ..." as the
// BSD tool's would.
[[noreturn]] void handOver(std::vector<std::string> tool)
{
    const std::string program = tool.front();
    tool.front() = program.substr(program.rfind('/') + 1);
    execv(program.c_str(), childprocess::pointers(tool).data());
    std::fprintf(stderr, "%s: %s\n", tool.front().c_str(), std::strerror(errno));
    _exit(126);
}

int spawnAndWait(const char *program, const std::vector<std::string> &argv)
{
    pid_t pid = -1;
    if (posix_spawn(&pid, program, nullptr, nullptr, childprocess::pointers(argv).data(), environ) != 0)
        return 126;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return 126;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct Destination
{
    std::string path;
    bool contentsOnly = false; // a folder's contents were copied into it
};

// Where each source of a recursive copy lands.
std::vector<Destination> destinations(const std::vector<std::string> &operands)
{
    const std::string target = pathtext::withoutTrailingSlashes(operands.back());
    struct stat info;
    const bool intoFolder = operands.size() > 2 || (stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
    std::vector<Destination> out;
    for (std::size_t i = 0; i + 1 < operands.size(); ++i) {
        const std::string &source = operands[i];
        if (source.size() >= 2 && source.compare(source.size() - 2, 2, "/.") == 0)
            out.push_back({target, true});
        else
            out.push_back({intoFolder ? target + "/" + pathtext::lastComponent(source) : target, false});
    }
    return out;
}

bool refuses(const Destination &destination, const linkcheck::Escape &escape)
{
    std::fprintf(stderr, "%s\n", linkcheck::describe(destination.path, escape).c_str());
    return true;
}

// Root copies links as links. What it copied must not hold a link that
// leads outside the copy, or a later write as root (Path.txt, say) could
// land anywhere: such a copy is refused and removed, and so is a copy onto
// a place that already holds such a link.
int copyAsRoot(std::vector<std::string> tool)
{
    const auto dashes = std::find(tool.begin(), tool.end(), std::string("--"));
    const std::vector<std::string> operands(dashes + 1, tool.end());
    const std::vector<Destination> places = destinations(operands);
    for (const Destination &place : places)
        if (const auto escape = linkcheck::findEscape(place.path); escape && refuses(place, *escape))
            return 1;
    const std::string program = tool.front();
    tool.front() = "cp";
    const int status = spawnAndWait(program.c_str(), tool);
    bool refused = false;
    for (const Destination &place : places) {
        const auto escape = linkcheck::findEscape(place.path);
        if (!escape)
            continue;
        refused = refuses(place, *escape);
        if (!place.contentsOnly) {
            spawnAndWait("/bin/rm", {"rm", "-rf", "--", place.path});
            continue;
        }
        // Only the links themselves: the folder held other things before.
        for (auto next = escape; next && next->error == 0 && unlink(next->link.c_str()) == 0;
             next = linkcheck::findEscape(place.path)) {
        }
    }
    return refused ? 1 : status;
}

int lnTool(const std::vector<std::string> &arguments)
{
    const auto translated = bsdtools::lnArguments(arguments);
    if (const auto *usage = std::get_if<std::string>(&translated)) {
        std::fprintf(stderr, "%s\n", usage->c_str());
        return usageStatus;
    }
    handOver(std::get<std::vector<std::string>>(translated));
}

int cpTool(const std::vector<std::string> &arguments)
{
    const auto translated = bsdtools::cpArguments(arguments);
    if (const auto *usage = std::get_if<std::string>(&translated)) {
        std::fprintf(stderr, "%s\n", usage->c_str());
        return usageStatus;
    }
    const auto &tool = std::get<std::vector<std::string>>(translated);
    const auto options = std::find(tool.begin(), tool.end(), std::string("--"));
    const bool recursive = std::find(tool.begin(), options, std::string("-R")) != options
                           || std::find(tool.begin(), options, std::string("-a")) != options;
    if (geteuid() != 0 || !recursive)
        handOver(tool);
    return copyAsRoot(tool);
}

// Prints the arguments as they stand, as BSD echo does. A failed write names
// the file it went to, which only the open descriptor still knows.
int echoTool(const std::vector<std::string> &arguments)
{
    std::string text;
    for (const std::string &argument : arguments)
        text += (text.empty() ? "" : " ") + argument;
    text += '\n';
    if (childprocess::writeAll(1, text))
        return 0;
    const int error = errno;
    std::string target(PATH_MAX, '\0');
    const ssize_t size = readlink("/proc/self/fd/1", target.data(), target.size());
    target = size > 0 ? target.substr(0, static_cast<std::size_t>(size)) : "standard output";
    std::fprintf(stderr, "echo: %s: %s\n", target.c_str(), std::strerror(error));
    return 1;
}

} // namespace

bool isToolMode(const char *mode)
{
    return std::strcmp(mode, "--bsd-ln") == 0 || std::strcmp(mode, "--bsd-cp") == 0 || std::strcmp(mode, "--bsd-echo") == 0;
}

int run(int argc, char **argv)
{
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "--bsd-ln") == 0)
        return lnTool(arguments);
    if (std::strcmp(argv[1], "--bsd-cp") == 0)
        return cpTool(arguments);
    return echoTool(arguments);
}

} // namespace toolmode
