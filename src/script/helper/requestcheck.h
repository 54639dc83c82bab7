#pragma once

#include "helperprotocol.h"

#include <optional>
#include <string>
#include <string_view>

// What the helper accepts, checked by the helper itself before it acts:
// a request names an element or a file inside the install folders only by
// plain names, so that no request can lead root out of them.
namespace requestcheck {

// The two folders root installs into, without a trailing "/".
struct InstallFolders
{
    std::string maker;
    std::string plugins;
};

// /opt/Veltrano and the shared plug-ins folder, behind `installRoot` when
// it is not empty (a relative root is taken from `workingFolder`).
InstallFolders installFolders(std::string_view installRoot, std::string_view workingFolder);

// Why the helper refuses `request`, naming it; nothing when it may proceed.
std::optional<std::string> refusal(const helperprotocol::Request &request);

} // namespace requestcheck
