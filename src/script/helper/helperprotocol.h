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

inline constexpr std::size_t maxTextSize = 16 * 1024 * 1024;
inline constexpr std::size_t maxNameSize = 4096;
inline constexpr std::size_t maxOutputSize = 16 * 1024 * 1024;

// What the installer may ask of the helper. Root does only the first four,
// each on a folder the helper works out itself; a request never names where
// root writes. Shell text runs only with the invoking user's identity.
enum class RequestKind : std::uint8_t {
    // Make `folder` (and the folders above it).
    makeFolder = 'M',
    // Copy the product element at `path`, read with the invoking user's
    // identity, into the maker's folder under its own name.
    copyElement = 'C',
    // Link the element `path` (a name) of the maker's folder into the
    // plug-ins folder under the same name.
    linkElement = 'L',
    // Write `text` to the file `path`, relative to the maker's folder and
    // inside one of its elements.
    writeFile = 'W',
    // Run the shell text `text` as the invoking user.
    userCommand = 'U',
    // Give the invoking user back what root left in the install folders of
    // the user's Lightroom folder `path`, which lies in the user's home or
    // in the user's data folder `text`.
    giveBack = 'G',
    // The run is over: the helper takes no further request and ends.
    endOfRun = 'E',
};

// The two folders root installs into.
enum class InstallFolder : std::uint8_t { maker = 'M', plugins = 'P' };

// `user` and `home` fill USER and HOME of a user command when the helper
// does not know the invoking user from pkexec.
struct Request
{
    RequestKind kind = RequestKind::endOfRun;
    InstallFolder folder = InstallFolder::maker;
    std::string path;
    std::string text;
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
// A readable name of the request's kind, for messages.
const char *nameOf(RequestKind kind);
std::string encode(const Reply &reply);
// The helper's first message: it runs, and under pkexec the user has
// authenticated.
std::string encodeReady();

// Reads one message from the front of `buffer`.
Decoded decode(std::string_view buffer, Request &request);
Decoded decode(std::string_view buffer, Reply &reply);
Decoded decodeReady(std::string_view buffer);

} // namespace helperprotocol
