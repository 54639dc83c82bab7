#pragma once

#include <functional>

namespace responsivewait {

// Runs `work` on a new thread and returns once it has returned. Meanwhile the
// calling thread keeps handling paint, timer, window-system and queued events,
// so its windows stay alive, but every user input event (pointer, keys,
// wheel, touch, shortcuts) is dropped as it arrives: input made during the
// wait is neither acted on nor delivered afterwards. Quitting the application
// does not cut the wait short.
void run(const std::function<void()> &work);

} // namespace responsivewait
