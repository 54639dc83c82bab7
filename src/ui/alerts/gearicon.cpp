#include "ui/alerts/gearicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace gearicon {

namespace {

constexpr int teeth = 8;
// Proportions of the bounds' half size.
constexpr qreal outerRadius = 1.0;
constexpr qreal rootRadius = 0.74;
constexpr qreal holeRadius = 0.32;
// Share of each tooth's angular pitch taken by the tooth's outer face.
constexpr qreal toothTop = 0.26;
constexpr qreal toothBase = 0.42;

QPainterPath gearPath(const QRectF &bounds)
{
    const qreal half = std::min(bounds.width(), bounds.height()) / 2.0;
    const QPointF centre = bounds.center();
    const qreal pitch = 2.0 * M_PI / teeth;
    const auto at = [&](qreal angle, qreal radius) {
        return centre + QPointF(std::cos(angle), std::sin(angle)) * radius * half;
    };

    QPainterPath path;
    for (int i = 0; i < teeth; ++i) {
        const qreal middle = i * pitch - M_PI / 2.0;
        const QPointF points[] = {
            at(middle - pitch * toothBase / 2.0, rootRadius), at(middle - pitch * toothTop / 2.0, outerRadius),
            at(middle + pitch * toothTop / 2.0, outerRadius), at(middle + pitch * toothBase / 2.0, rootRadius),
            at(middle + pitch / 2.0, rootRadius),
        };
        if (i == 0)
            path.moveTo(points[0]);
        else
            path.lineTo(points[0]);
        for (const QPointF &p : points)
            path.lineTo(p);
    }
    path.closeSubpath();
    path.addEllipse(centre, holeRadius * half, holeRadius * half);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

class GearEngine : public QIconEngine
{
public:
    explicit GearEngine(QColor color)
        : m_color(color)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        // A small inset keeps the antialiased rim inside the pixmap.
        gearicon::paint(*painter, QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), m_color);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels already; the gear is drawn at that
    // resolution rather than scaled up from a smaller picture.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap result(size);
        result.fill(Qt::transparent);
        result.setDevicePixelRatio(scale);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), (QSizeF(size) / scale).toSize()), mode, state);
        return result;
    }

    QIconEngine *clone() const override { return new GearEngine(m_color); }
    QString key() const override { return QStringLiteral("veltrano.gear"); }

private:
    const QColor m_color;
};

} // namespace

void paint(QPainter &painter, const QRectF &bounds, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(gearPath(bounds), color);
    painter.restore();
}

QIcon icon(const QColor &color) { return QIcon(new GearEngine(color)); }

} // namespace gearicon
