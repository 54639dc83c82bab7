#pragma once

#include "account.h"

#include <string>

// Earlier installations ran everything as root and left root-owned folders
// in the user's home (~/.local, ~/.local/share, Adobe, ... and the presets
// below the Lightroom folder). Before anything runs as the user again, root
// gives those back: from the home down to `folder`, and everything below
// it. Every folder is opened without
// following links and changed through its descriptor, so a link the user
// put anywhere on the way redirects nothing; a file is changed only when it
// has no other name. Only what belongs to root changes hands: root's
// entries pass to the user and the user's group, the user's own entries
// with group root pass to the user's group.
namespace giveback {

// What went wrong, or empty. A folder outside the user's home, or a way
// down that stops (missing, a link, not a folder), is not an error: there
// is nothing there to give back.
std::string giveBack(const std::string &folder, const Account &user);

} // namespace giveback
