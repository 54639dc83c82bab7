// Stands in for pkexec in tests, installed setuid root by the test in a
// folder only the test's user can reach: becomes root and runs the helper
// the way pkexec does, with the environment cleared and PKEXEC_UID naming
// the user who asked. It runs nothing but the helper beside it. Unlike
// pkexec, it passes VELTRANO_INSTALL_ROOT on, so that tests install below
// folders of their own.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <string>
#include <unistd.h>

int main(int argc, char **argv)
{
    char self[PATH_MAX] = {};
    const ssize_t size = readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string path(self, size > 0 ? static_cast<std::size_t>(size) : 0);
    const std::string helper = path.substr(0, path.rfind('/') + 1) + "VeltranoHelper";
    if (argc < 2 || helper != argv[1]) {
        std::fprintf(stderr, "fakepkexec runs %s only\n", helper.c_str());
        return 127;
    }
    const std::string caller = std::to_string(getuid());
    const char *lang = std::getenv("LANG");
    const std::string keptLang = lang ? lang : "";
    const char *root = std::getenv("VELTRANO_INSTALL_ROOT");
    const std::string keptRoot = root ? root : "";
    if (setgroups(0, nullptr) != 0 || setresgid(0, 0, 0) != 0 || setresuid(0, 0, 0) != 0) {
        std::perror("fakepkexec");
        return 127;
    }
    clearenv();
    setenv("PKEXEC_UID", caller.c_str(), 1);
    setenv("PATH", "/usr/sbin:/usr/bin:/sbin:/bin", 1);
    setenv("USER", "root", 1);
    setenv("LOGNAME", "root", 1);
    setenv("HOME", "/root", 1);
    setenv("SHELL", "/bin/sh", 1);
    if (!keptLang.empty())
        setenv("LANG", keptLang.c_str(), 1);
    if (!keptRoot.empty())
        setenv("VELTRANO_INSTALL_ROOT", keptRoot.c_str(), 1);
    execv(argv[1], argv + 1);
    std::perror("fakepkexec");
    return 127;
}
