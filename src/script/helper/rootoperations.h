#pragma once

#include "account.h"
#include "helperprotocol.h"
#include "requestcheck.h"

// The operations root performs for an installation, each on the install
// folders the helper worked out itself and on names the request checking
// has accepted. Each answers as the command it stands for would: status 0,
// or 1 with the message that names what failed.
namespace rootoperations {

helperprotocol::Reply perform(const helperprotocol::Request &request, const requestcheck::InstallFolders &folders,
                              const Account &user);

} // namespace rootoperations
