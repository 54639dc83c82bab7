#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The only conversation between the installer and its privileged helper:
// the helper announces that it is ready, then the installer sends one
// request at a time and the helper answers each with one reply, until the
// installer ends the run. Every message is length-prefixed, so a message
// split across reads or a truncated one is recognised, and the limits below
// keep a hostile or broken peer from making the other side allocate without
// bound.
namespace helperprotocol {

inline constexpr std::size_t maxCommandSize = 16 * 1024 * 1024;
inline constexpr std::size_t maxNameSize = 4096;
inline constexpr std::size_t maxOutputSize = 16 * 1024 * 1024;

enum class RequestKind : std::uint8_t {
    // Run `command` with /bin/sh.
    command = 'C',
    // Give the invoking user back what root left in the folder `command`
    // (and on the way down to it from the user's home).
    giveBack = 'G',
    // The run is over: the helper takes no further request and ends.
    endOfRun = 'E',
};

// Who runs a command. Asking for the invoking user is always safe: the
// helper takes that user from pkexec (or from its own real user), never
// from the request.
enum class Identity : std::uint8_t { root = 'R', invokingUser = 'U' };

// `user` and `home` fill USER and HOME when the helper does not know the
// invoking user from pkexec.
struct Request
{
    RequestKind kind = RequestKind::command;
    Identity identity = Identity::root;
    std::string command;
    std::string user;
    std::string home;

    friend bool operator==(const Request &, const Request &) = default;
};

// How the command ended: `status` is its exit status, or minus the number of
// the signal that ended it.
struct Reply
{
    int status = 0;
    std::string out;
    std::string err;

    friend bool operator==(const Reply &, const Reply &) = default;
};

enum class DecodeStatus { complete, incomplete, malformed };

struct Decoded
{
    DecodeStatus status = DecodeStatus::incomplete;
    std::size_t consumed = 0; // bytes of the buffer that made up the message
};

std::string encode(const Request &request);
std::string encode(const Reply &reply);
// The helper's first message: it runs, and under pkexec the user has
// authenticated.
std::string encodeReady();

// Reads one message from the front of `buffer`.
Decoded decode(std::string_view buffer, Request &request);
Decoded decode(std::string_view buffer, Reply &reply);
Decoded decodeReady(std::string_view buffer);

} // namespace helperprotocol
