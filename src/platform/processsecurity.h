#pragma once

// Protections the installer puts on its own process.
namespace processsecurity {

// No other process of the same user may read this process's memory, open its
// descriptors through /proc (the pipes to the privileged helper among them)
// or attach a debugger, and it leaves no core file. Safe to call repeatedly;
// false when the system refused.
bool makeUndumpable();

} // namespace processsecurity
