#pragma once

#include <QString>

namespace copiedfolder {

// The name of the folder that a shell command copies, for telling the user
// what is going on: when the command is a `cp`, the last component of its
// first operand (a trailing "/" ignored), with the words split and unquoted
// the way /bin/sh does it. Empty for any other command.
QString nameOf(QStringView command);

} // namespace copiedfolder
