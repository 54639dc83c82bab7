#pragma once

#include <optional>

// No process started for a command may outlive it, whatever it does to get
// away: close its output, start a new session, or kill the helper. The
// helper therefore runs as two processes, both child subreapers, so that
// every orphan is adopted by one of them instead of by init:
//
//   reaper  (the process the installer started; waits and cleans up)
//   └─ server  (talks to the installer, runs the commands)
//      └─ commands and whatever they leave behind
//
// The server kills everything below it after each command and at the end.
// When the server dies, its descendants pass to the reaper, which kills
// them. When the reaper dies (with the installer: it has the parent-death
// signal), the server sees its lifeline end and does the same.
namespace reaper {

// Splits this process in two. Returns in the server with the read end of
// the lifeline, which ends when the reaper has gone; the reaper never
// returns: it exits as the server did, once nothing is left below it.
// Absent when the split failed (errno tells why).
std::optional<int> splitOff();

// Kills and reaps every descendant this process has or adopts meanwhile.
void sweep();

} // namespace reaper
