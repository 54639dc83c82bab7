#pragma once

#include <string>
#include <string_view>

namespace rtf {

// The target of a HYPERLINK field instruction: its first argument, quoted or
// not, or "#name" for a \l bookmark. Empty for every other field.
std::string hyperlinkTarget(std::string_view instruction);

} // namespace rtf
