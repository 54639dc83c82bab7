#pragma once

class QFont;

// Lengths and fonts shared by the overlays. Lengths are device-independent
// pixels, the same unit as the window's fixed sizes.
namespace alertmetrics {

// The padding around a group and the spacing between neighbours, the same
// amounts the rest of the window uses.
inline constexpr int defaultPadding = 16;
inline constexpr int defaultSpacing = 8;

// The application's font at `pixelSize`. Sizes are pixels rather than points
// so that a 13 high text keeps its proportion to the 648 by 405 window on
// every screen density setting.
enum class Weight { regular, bold };
QFont systemFont(int pixelSize, Weight weight);

} // namespace alertmetrics
