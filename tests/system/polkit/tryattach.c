/* Tries what a debugger does first: attach to a process with ptrace, and
 * open its memory. Prints "attached" or "refused: <reason>" for each.
 *   tryattach PID */
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: tryattach PID\n");
        return 2;
    }
    const pid_t pid = (pid_t)atoi(argv[1]);
    if (ptrace(PTRACE_SEIZE, pid, NULL, NULL) == 0) {
        printf("ptrace: attached\n");
        ptrace(PTRACE_DETACH, pid, NULL, NULL);
    } else {
        printf("ptrace: refused: %s\n", strerror(errno));
    }
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/mem", (int)pid);
    const int fd = open(path, O_RDWR);
    if (fd >= 0) {
        printf("mem: attached\n");
        close(fd);
    } else {
        printf("mem: refused: %s\n", strerror(errno));
    }
    return 0;
}
