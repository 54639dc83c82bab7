#pragma once

#include "ui/alerts/overlaychoice.h"

#include <QString>
#include <Qt>

#include <optional>

// The keys that mean the same on every Linux desktop: Return (or Enter)
// confirms, Escape backs out. Space, which presses the focused control, is
// the controls' own.
enum class ConventionKey { confirm, backOut };

// The convention a key press stands for, if any. Modified presses (Ctrl+Return
// and the like) are left to the controls.
std::optional<ConventionKey> conventionKey(int key, Qt::KeyboardModifiers modifiers);

// What has the keyboard focus when a convention key is pressed.
enum class FocusKind { button, other };

// What a convention key does.
struct KeyTarget
{
    enum class Kind { nothing, focusedButton, namedButton };
    Kind kind = Kind::nothing;
    // The objectName of the button to press, for namedButton.
    QString button;

    bool operator==(const KeyTarget &) const = default;
};

// Return presses the focused button (or check box) and, where something else
// has the focus, the default button of what is on top: the page's forward
// button (Next or Close), or the overlay's button that goes on. Escape does
// what an overlay's button that leaves everything as it was does, and never
// one that quits or installs; on a page it does nothing. While the
// installation runs, neither does anything.
KeyTarget keyTarget(ConventionKey key, Overlay overlay, FocusKind focus);
