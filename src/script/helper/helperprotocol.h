#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The only conversation between the installer and its privileged helper:
// the installer sends one request per command, the helper answers each with
// one reply. Every message is length-prefixed, so a message split across
// reads or a truncated one is recognised, and the limits below keep a hostile
// or broken peer from making the other side allocate without bound.
namespace helperprotocol {

inline constexpr std::size_t maxCommandSize = 16 * 1024 * 1024;
inline constexpr std::size_t maxNameSize = 4096;
inline constexpr std::size_t maxOutputSize = 16 * 1024 * 1024;

// Run `command` with /bin/sh, with USER and HOME naming the invoking user.
struct Request
{
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

// Reads one message from the front of `buffer`.
Decoded decode(std::string_view buffer, Request &request);
Decoded decode(std::string_view buffer, Reply &reply);

} // namespace helperprotocol
