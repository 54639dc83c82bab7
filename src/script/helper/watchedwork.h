#pragma once

#include "helperprotocol.h"

#include <functional>

// Runs one piece of root's work in a child process of its own, so that the
// helper keeps watching its installer while the work runs: a copy stuck on
// a slow or hostile file ends the moment the installer has gone.
namespace watchedwork {

struct Watch
{
    // Readable or hung up: the installer's reaper has gone.
    int lifeline = -1;
    // Hung up: nobody can send requests any more (the installer has gone).
    int requests = -1;
};

// The work's reply; when a watched descriptor fires first, the child is
// killed and the reply has status -SIGKILL. A child that dies without a
// reply is reported with how it ended.
helperprotocol::Reply run(const std::function<helperprotocol::Reply()> &work, const Watch &watch);

// True once the installer has gone, without waiting.
bool installerGone(const Watch &watch);

} // namespace watchedwork
