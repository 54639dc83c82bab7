#pragma once

#include "account.h"

#include <string>

// Earlier installations ran the Lightroom commands as root and could leave
// folders of root's where an installation puts its presets and its plug-in
// link. Before anything runs as the user again, root gives those back: a
// folder of root's among External Editor Presets, External Editor
// Presets/Veltrano, Export Presets, Export Presets/Veltrano Softhaze N and
// Modules of the user's Lightroom folder, and what root's folders among
// them hold (of Modules, only the plug-in links). Nothing above those
// folders is touched, nor anything in a folder of the user's, nor a hard
// link or a special file. Every folder is opened without following links
// and changed through its descriptor, so a link the user put anywhere on
// the way redirects nothing.
namespace giveback {

// Gives back in the Lightroom folder `folder`, which lies in the user's
// home or in `dataFolder`, the user's data folder wherever it is. The way
// down starts at the one of them that holds it, a folder the user must
// own: the data folder is the installer's word, and only the user's own
// folder makes what root left below it the user's. Returns what went
// wrong, or empty. A Lightroom folder in neither, a start the user does
// not own, or a way down that stops (missing, a link, not a folder), is
// not an error: there is nothing there to give back.
std::string giveBack(const std::string &folder, const std::string &dataFolder, const Account &user);

} // namespace giveback
