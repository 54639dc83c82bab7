#pragma once

#include <QEvent>

#include <functional>

namespace responsivewait {

// What becomes of an event that arrives while a wait runs.
enum class Fate {
    // Not input: handled as always.
    deliver,
    // Input: dropped before anything sees it.
    drop,
    // A key as the window system sent it: the application's event filters
    // that were there before the wait see it first, so a screen reader's
    // bridge (which takes keys there and hands back those the screen reader
    // does not want as new, non-spontaneous events) keeps its keys; what is
    // left of it is dropped before it reaches its receiver.
    toAccessibilityOnly,
};

// The fate of an event of `type`, spontaneous when it comes from the window
// system rather than from the application itself.
Fate fateDuringWait(QEvent::Type type, bool spontaneous);

// Runs `work` on a new thread and returns once it has returned. Meanwhile the
// calling thread keeps handling paint, timer, window-system and queued events,
// so its windows stay alive, but every user input event (pointer, keys,
// wheel, touch, shortcuts) is dropped as it arrives: input made during the
// wait is neither acted on nor delivered afterwards. Keys still reach
// assistive technology first (see Fate), so a screen reader's own keys keep
// working. Quitting the application does not cut the wait short.
void run(const std::function<void()> &work);

} // namespace responsivewait
