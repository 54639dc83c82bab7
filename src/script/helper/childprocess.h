#pragma once

#include "helperprotocol.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <variant>
#include <vector>

// Runs a program to its end with standard input on /dev/null and both output
// streams captured. Plain POSIX, so the installer and its helper share it.
namespace childprocess {

enum class Spawn {
    // posix_spawn: cheap in a large multi-threaded process.
    shared,
    // A child of our own making, as cheap as posix_spawn's: it dies with its
    // parent, leads a new process group, may take another user's identity
    // and keeps `Invocation::keptDescriptor` as descriptor
    // `keptDescriptorNumber`. Only for single-threaded callers such as the
    // helper, one run at a time.
    guarded,
};

inline constexpr int keptDescriptorNumber = 9;

// A user to become: uid, primary gid and supplementary groups.
struct Credentials
{
    uid_t uid = 0;
    gid_t gid = 0;
    std::vector<gid_t> groups;
};

struct Invocation
{
    std::string program;                                 // absolute path
    std::vector<std::string> argv;
    std::optional<std::vector<std::string>> environment; // absent: inherit ours
    std::string workingFolder = "/";
    Spawn spawn = Spawn::shared;
    // Guarded only.
    int keptDescriptor = -1;
    std::optional<Credentials> credentials;
    // Guarded only: once this descriptor is readable or hung up, the program
    // is killed and run() returns at once.
    int watchDescriptor = -1;
    // Guarded only: the same once this descriptor is hung up (its writer
    // has gone); data waiting on it does not count.
    int hangupDescriptor = -1;
};

// Exit status, or minus the signal number; output capped at maxOutputSize
// each, the rest read and dropped so the child never blocks on a full pipe.
using Result = helperprotocol::Reply;

// The result, or why the program could not be started.
std::variant<Result, std::string> run(const Invocation &invocation);

// Reads from `fd` until `buffer` gains data or the stream ends. False at the
// end of the stream or on an error.
bool readSome(int fd, std::string &buffer);

// Writes all of `data`; false when the reader has gone.
bool writeAll(int fd, const std::string &data);

// The status of a process reaped by waitpid, in the form of Result::status.
int statusFrom(int waitStatus);

// The strings as an argv or envp array for exec: a pointer to each, then a
// null pointer. Valid while `strings` is unchanged.
std::vector<char *> pointers(const std::vector<std::string> &strings);

} // namespace childprocess
