#pragma once

class QFont;
class QWidget;

// Lengths and fonts shared by the overlays. Lengths are device-independent
// pixels, the same unit as the window's fixed sizes.
namespace alertmetrics {

// The style's standard padding around a group and spacing between neighbours.
int defaultPadding(const QWidget *widget);
int defaultSpacing(const QWidget *widget);

// The application's font at `pixelSize`. Sizes are pixels rather than points
// so that a 13 high text keeps its proportion to the 648 by 405 window on
// every screen density setting.
enum class Weight { regular, bold };
QFont systemFont(int pixelSize, Weight weight);

} // namespace alertmetrics
