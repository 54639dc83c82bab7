#pragma once

#include "catalogue/product.h"
#include "script/helper/helperprotocol.h"

#include <QString>
#include <variant>

// What a command of the install script that asks for administrator
// privileges becomes for the privileged helper. The command's words are
// read as sh reads them and its target is placed against the install
// folders: a target in the user's Lightroom folder makes it a command run as
// the user, whatever that folder is; the maker's and the plug-ins folder's
// own commands become the helper's typed requests; anything else is refused.
namespace privilegedrequest {

// The request, or why the command may not run with administrator privileges.
std::variant<helperprotocol::Request, QString> requestFor(const QString &command, const Product::InstallTargets &targets);

} // namespace privilegedrequest
