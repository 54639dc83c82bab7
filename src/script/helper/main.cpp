#include "bsdtools.h"
#include "helperserver.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The BSD `ln` and `cp` of the commands land here (see helperserver.cpp):
// translate the arguments and hand over to the GNU tool.
int runTool(const char *mode, int argc, char **argv)
{
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    const auto translated = std::strcmp(mode, "--bsd-ln") == 0 ? bsdtools::lnArguments(arguments)
                                                                : bsdtools::cpArguments(arguments);
    if (const auto *usage = std::get_if<std::string>(&translated)) {
        std::fprintf(stderr, "%s\n", usage->c_str());
        return 64;
    }
    const auto &tool = std::get<std::vector<std::string>>(translated);
    std::vector<char *> toolArgv;
    for (const std::string &argument : tool)
        toolArgv.push_back(const_cast<char *>(argument.c_str()));
    toolArgv.push_back(nullptr);
    execv(toolArgv[0], toolArgv.data());
    std::perror(toolArgv[0]);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && (std::strcmp(argv[1], "--bsd-ln") == 0 || std::strcmp(argv[1], "--bsd-cp") == 0))
        return runTool(argv[1], argc, argv);
    if (argc != 1) {
        std::fprintf(stderr, "VeltranoHelper is started by the installer only.\n");
        return 2;
    }
    return helperserver::serve();
}
