#pragma once

// The privileged helper's service: announces itself, then reads requests on
// standard input and answers each on standard output, until the installer
// ends the run, closes the pipe or goes away. Returns the process's exit
// status, which is never 126 or 127: those belong to pkexec.
namespace helperserver {

int serve();

} // namespace helperserver
