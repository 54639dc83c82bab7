#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// The small pictures of the window. They are drawn as vector paths at paint
// time, so they stay sharp at any size and device pixel ratio.
enum class Symbol {
    circleFill,             // a filled dot
    square,                 // an empty check box
    checkmarkSquareFill,    // a ticked check box
    checkmarkCircle,        // success
    exclamationmarkCircle,  // failure
};

// A stable name for a symbol, for diagnostics and tests.
QString symbolName(Symbol symbol);

// Draws `symbol` stretched to fill `frame`, in `color`. Parts of a symbol
// that are cut out of a filled shape (the tick of the ticked box) are left
// transparent so whatever lies beneath shows through.
void paintSymbol(QPainter &painter, Symbol symbol, const QRectF &frame, const QColor &color);
