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
    std::string link;   // its path
    std::string target; // what it says
};

// The first link at or below `root` whose target, followed through the
// links inside `root` and read lexically where nothing exists yet, leaves
// `root`. A link that is `root` itself always leaves it, and so does a chain
// of more than 40 links. Nothing is ever followed on disk.
std::optional<Escape> findEscape(const std::string &root);

} // namespace linkcheck
