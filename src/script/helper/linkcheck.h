#pragma once

#include <optional>
#include <string>

// Whether a folder tree holds a symbolic link that leads out of it. Root
// copies links as links, so once a copy is root's own nobody else can change
// it, and a copy without such a link is one through which no later write
// can be redirected outside it.
namespace linkcheck {

struct Escape
{
    std::string link;   // its path, or the folder that could not be read
    std::string target; // what it says
    int error = 0;      // why `link`, a folder, could not be read; 0 for a link
};

// The first link at or below `root` whose target, followed through the
// links inside `root` and read lexically where nothing exists yet, leaves
// `root`. A link that is `root` itself always leaves it, and so does a chain
// of more than 40 links. Nothing is ever followed on disk. A folder below
// `root` that cannot be read is reported too: what it holds is unknown.
std::optional<Escape> findEscape(const std::string &root);

// The message that refuses to install `root` for what was found in it.
std::string describe(const std::string &root, const Escape &escape);

} // namespace linkcheck
