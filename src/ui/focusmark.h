#pragma once

class QPainter;
class QRect;
class QWidget;

// Draws the keyboard focus mark of `widget` as an outline along `frame`,
// leaving what lies inside untouched (the style's own mark tints it). Like
// the style's, it shows only once the keyboard has moved the focus.
void paintFocusMark(QPainter &painter, const QRect &frame, const QWidget &widget);
