#include "ui/symbols.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Every symbol is laid out on a unit square and scaled into its frame; the
// stroke widths are fractions of the shorter side so that thin frames still
// get a visible line of at least one device pixel.
QPointF at(const QRectF &frame, qreal x, qreal y)
{
    return {frame.left() + x * frame.width(), frame.top() + y * frame.height()};
}

qreal strokeFor(const QPainter &painter, const QRectF &frame, qreal fraction)
{
    const qreal side = std::min(frame.width(), frame.height());
    const qreal onePixel = 1.0 / std::max<qreal>(1.0, painter.device() ? painter.device()->devicePixelRatioF() : 1.0);
    return std::max(side * fraction, onePixel);
}

// A tick from its short arm's start over its lowest point to its long arm's end.
QPainterPath tick(const QRectF &frame, QPointF start, QPointF bottom, QPointF end)
{
    QPainterPath path;
    path.moveTo(at(frame, start.x(), start.y()));
    path.lineTo(at(frame, bottom.x(), bottom.y()));
    path.lineTo(at(frame, end.x(), end.y()));
    return path;
}

void paintCircleOutline(QPainter &painter, const QRectF &frame, const QColor &color, qreal width)
{
    painter.setPen(QPen(color, width));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2;
    painter.drawEllipse(frame.adjusted(inset, inset, -inset, -inset));
}

} // namespace

QString symbolName(Symbol symbol)
{
    switch (symbol) {
    case Symbol::circleFill: return QStringLiteral("circle.fill");
    case Symbol::square: return QStringLiteral("square");
    case Symbol::checkmarkSquareFill: return QStringLiteral("checkmark.square.fill");
    case Symbol::checkmarkCircle: return QStringLiteral("checkmark.circle");
    case Symbol::exclamationmarkCircle: return QStringLiteral("exclamationmark.circle");
    }
    return {};
}

void paintSymbol(QPainter &painter, Symbol symbol, const QRectF &frame, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(frame.width(), frame.height());
    switch (symbol) {
    case Symbol::circleFill:
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(frame);
        break;
    case Symbol::square: {
        const qreal width = strokeFor(painter, frame, 0.09);
        const qreal inset = width / 2;
        painter.setPen(QPen(color, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(inset, inset, -inset, -inset), side * 0.2, side * 0.2);
        break;
    }
    case Symbol::checkmarkSquareFill: {
        QPainterPath box;
        box.addRoundedRect(frame, side * 0.2, side * 0.2);
        const QPainterPath mark = QPainterPathStroker(QPen(Qt::black, strokeFor(painter, frame, 0.13), Qt::SolidLine,
                                                           Qt::RoundCap, Qt::RoundJoin))
                                      .createStroke(tick(frame, {0.26, 0.52}, {0.43, 0.69}, {0.75, 0.32}));
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawPath(box.subtracted(mark));
        break;
    }
    case Symbol::checkmarkCircle: {
        const qreal width = strokeFor(painter, frame, 0.07);
        paintCircleOutline(painter, frame, color, width);
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick(frame, {0.3, 0.52}, {0.45, 0.67}, {0.71, 0.36}));
        break;
    }
    case Symbol::exclamationmarkCircle: {
        const qreal width = strokeFor(painter, frame, 0.07);
        paintCircleOutline(painter, frame, color, width);
        painter.setPen(QPen(color, width * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at(frame, 0.5, 0.26), at(frame, 0.5, 0.58));
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        const qreal dot = side * 0.05;
        painter.drawEllipse(at(frame, 0.5, 0.73), dot, dot);
        break;
    }
    }
    painter.restore();
}
