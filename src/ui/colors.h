#pragma once

#include <QColor>

// The few colours the window is drawn with. They are fixed, not taken from
// the desktop theme, because the installer always shows its light look.
namespace colors {

inline QColor text() { return QColor(0, 0, 0); }
inline QColor background() { return QColor(241, 241, 241); }
inline QColor panel() { return QColor(255, 255, 255); }
// A thin line between areas: black at one tenth, as light desktops draw it.
inline QColor separator() { return QColor(0, 0, 0, 26); }
inline QColor blue() { return QColor(0, 122, 255); }
inline QColor gray() { return QColor(142, 142, 147); }
inline QColor green() { return QColor(40, 180, 70); }
inline QColor red() { return QColor(255, 59, 48); }
// Dimmed text and icons: the label colour at half strength.
inline QColor secondaryLabel() { return QColor(0, 0, 0, 128); }

} // namespace colors
