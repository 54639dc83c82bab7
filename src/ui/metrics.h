#pragma once

#include <QSize>

// Lengths of the window's layout, in device-independent pixels.
namespace metrics {

// Room between neighbours in a row or column, and the margin a padded
// element keeps around itself.
inline constexpr int defaultSpacing = 8;
inline constexpr int defaultPadding = 16;

// The window content never shrinks below this and starts at this size.
inline constexpr QSize windowContent{648, 405};

inline constexpr int pageBarMinimumWidth = 180;
inline constexpr int pageBarMaximumWidth = 195;
inline constexpr int logoWidth = 180;
inline constexpr int logoMinimumHeight = 38;
inline constexpr int logoMaximumHeight = 40;
inline constexpr int pageRowHeight = 20;
inline constexpr int pageDotSize = 8;
// The main column keeps this much room to the window's trailing edge.
inline constexpr int trailingGap = 20;
inline constexpr int topGap = 20;
inline constexpr int summaryIconSize = 60;

} // namespace metrics
