/*
 * Decompresses one zstd stream from standard input to standard output. The
 * self-extracting installer carries this program, gzip-compressed, in front
 * of its payload: zstd unpacks the bundle four times as fast as gzip does
 * and makes it a quarter smaller, and no host can be assumed to have a zstd
 * tool, so the installer brings its own. It is linked against the static
 * zstd library and needs nothing of the C library beyond what every glibc
 * since 2.2.5 has.
 *
 * Exit status 0 when the whole input was one or more complete zstd frames,
 * 1 otherwise (damaged or cut input, a write error), with one line on
 * standard error that says why.
 */
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <zstd.h>

static int fail(const char *what)
{
    fprintf(stderr, "unzstd: %s\n", what);
    return 1;
}

/* Writes all of a buffer, through short writes and interruptions. */
static int write_all(const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        data += written;
        size -= (size_t)written;
    }
    return 0;
}

int main(void)
{
    const size_t in_size = ZSTD_DStreamInSize();
    const size_t out_size = ZSTD_DStreamOutSize();
    char *in = malloc(in_size);
    char *out = malloc(out_size);
    ZSTD_DCtx *context = ZSTD_createDCtx();
    if (in == NULL || out == NULL || context == NULL)
        return fail("out of memory");

    /* The decoder's last answer: 0 when a frame has just ended, which must
       be where the input ends; anything else means it stopped inside one. */
    size_t pending = 0;
    int seen_input = 0;
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, in, in_size);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fail(strerror(errno));
        }
        if (got == 0)
            break;
        seen_input = 1;
        ZSTD_inBuffer input = {in, (size_t)got, 0};
        /* A full output buffer may leave decoded data inside the decoder
           although the input is used up; it is drained before reading on. */
        int full = 0;
        while (input.pos < input.size || full) {
            ZSTD_outBuffer output = {out, out_size, 0};
            const size_t before = input.pos;
            const size_t answer = ZSTD_decompressStream(context, &output, &input);
            if (ZSTD_isError(answer))
                return fail(ZSTD_getErrorName(answer));
            if (write_all(out, output.pos) != 0)
                return fail(strerror(errno));
            /* A call that found nothing left to drain says nothing of where
               the last frame ended. */
            if (output.pos > 0 || input.pos > before)
                pending = answer;
            full = output.pos == out_size;
        }
    }
    if (!seen_input)
        return fail("no input");
    if (pending != 0)
        return fail("the input ends inside a frame");
    ZSTD_freeDCtx(context);
    free(in);
    free(out);
    return 0;
}
