#pragma once

#include "ui/metrics.h"

class QFont;

// Lengths and fonts shared by the overlays. Lengths are device-independent
// pixels, the same unit as the window's fixed sizes.
namespace alertmetrics {

// The padding around a group and the spacing between neighbours, the same
// amounts the rest of the window uses.
inline constexpr int defaultPadding = metrics::defaultPadding;
inline constexpr int defaultSpacing = metrics::defaultSpacing;

// The window's system font at `pixelSize`, in the given weight.
enum class Weight { regular, bold };
QFont systemFont(int pixelSize, Weight weight);

} // namespace alertmetrics
