#pragma once

// The BSD `ln`, `cp` and `echo` of the install commands land here (see
// helperserver.cpp): `--bsd-ln`, `--bsd-cp` or `--bsd-echo` followed by the
// command's own arguments.
namespace toolmode {

bool isToolMode(const char *mode);

// Runs the tool and returns its exit status, unless it hands over to the GNU tool.
int run(int argc, char **argv);

} // namespace toolmode
