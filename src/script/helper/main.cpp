#include "helperserver.h"
#include "toolmode.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc >= 2 && toolmode::isToolMode(argv[1]))
        return toolmode::run(argc, argv);
    if (argc != 1) {
        std::fprintf(stderr, "VeltranoHelper is started by the installer only.\n");
        return 2;
    }
    return helperserver::serve();
}
