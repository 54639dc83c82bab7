/* Writes requests of the installer's helper protocol to standard output, as
 * a program of the user's own would send them to a helper it started
 * through pkexec, ending with the end of the run.
 *   rawrequests KIND FOLDER PATH TEXT [KIND FOLDER PATH TEXT]...
 * KIND and FOLDER are the protocol's one-letter codes. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

static void field(const char *text)
{
    const uint32_t size = (uint32_t)strlen(text);
    for (int shift = 0; shift < 32; shift += 8)
        putchar((int)((size >> shift) & 0xff));
    fputs(text, stdout);
}

static void request(char kind, char folder, const char *path, const char *text)
{
    putchar('Q');
    putchar(kind);
    putchar(folder);
    field(path);
    field(text);
    field("");
    field("");
}

int main(int argc, char **argv)
{
    if (argc < 5 || (argc - 1) % 4 != 0) {
        fprintf(stderr, "usage: rawrequests KIND FOLDER PATH TEXT...\n");
        return 2;
    }
    for (int i = 1; i + 3 < argc; i += 4)
        request(argv[i][0], argv[i + 1][0], argv[i + 2], argv[i + 3]);
    request('E', 'M', "", "");
    return fflush(stdout) == 0 ? 0 : 1;
}
