#pragma once

#include <string>
#include <variant>
#include <vector>

// The install commands are written for the BSD `ln` and `cp`. These turn
// their BSD arguments into the argument list of the GNU tool with the same
// effect: `ln -h` becomes `-n`, and a `cp -R` source ending in "/" becomes
// "source/." so that its contents are copied. Options are read the BSD way
// (only before the first operand) and every operand is passed after "--",
// so a name that begins with "-" is never taken for an option.
namespace bsdtools {

// The GNU tools' argument lists (program path first), or the usage message
// for options BSD does not know or that have no GNU equivalent here.
std::variant<std::vector<std::string>, std::string> lnArguments(const std::vector<std::string> &arguments);
std::variant<std::vector<std::string>, std::string> cpArguments(const std::vector<std::string> &arguments);

} // namespace bsdtools
