#pragma once

// The privileged helper's service: reads requests on standard input, runs
// each command with /bin/sh and answers on standard output, until the
// installer closes the pipe or goes away. Returns the process's exit status,
// which is never 126 or 127: those belong to pkexec.
namespace helperserver {

int serve();

} // namespace helperserver
