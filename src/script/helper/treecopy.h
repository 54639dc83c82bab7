#pragma once

#include "childprocess.h"

#include <string>

// Root's copy of a product element into the maker's folder. Every source
// entry is opened with the invoking user's identity, each folder relative
// to its parent and nothing through a link, and what was opened is what is
// copied: a folder or file swapped for a link or a special file during the
// copy stops it, and nothing of that entry is written. Links are copied as
// links; no copy carries set-user-ID, set-group-ID or sticky bits.
namespace treecopy {

// Copies the folder `source` into the open folder `into` (shown to the user
// as `intoPath`) under its own name. An empty string on success, else the
// message that names what failed.
std::string copy(const std::string &source, int into, const std::string &intoPath,
                 const childprocess::Credentials &reader);

} // namespace treecopy
