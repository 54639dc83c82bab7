#pragma once

#include <QColor>
#include <QIcon>

class QPainter;
class QRectF;

namespace gearicon {

// Draws a gear with eight teeth and a hole, fitted into `bounds`.
void paint(QPainter &painter, const QRectF &bounds, const QColor &color);

// An icon that draws the gear afresh at each requested size and device pixel
// ratio, so it stays sharp on every screen. `color` is used for the normal
// and active modes; the disabled mode is drawn at reduced opacity.
QIcon icon(const QColor &color);

} // namespace gearicon
