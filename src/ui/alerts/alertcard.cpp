#include "ui/alerts/alertcard.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QRect centred(QSize size, const QRect &within)
{
    return QRect(within.x() + (within.width() - size.width()) / 2, within.y() + (within.height() - size.height()) / 2,
                 size.width(), size.height());
}

} // namespace

AlertCard::AlertCard(QColor color, QSize limit, LimitScope scope, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
    , m_limit(limit)
    , m_scope(scope)
    , m_column(new QWidget(this))
    , m_columnLayout(new QVBoxLayout(m_column))
{
    m_columnLayout->setContentsMargins(0, 0, 0, 0);
    m_columnLayout->setSpacing(0);
    // The corners outside the rounded rectangle show the backdrop.
    setAttribute(Qt::WA_TranslucentBackground);
}

int AlertCard::naturalColumnWidth() const { return m_column->sizeHint().width(); }

int AlertCard::columnHeightFor(int width) const
{
    const int forWidth = m_column->heightForWidth(width);
    return forWidth >= 0 ? forWidth : m_column->sizeHint().height();
}

QSize AlertCard::columnSizeFor(int availableWidth, int availableHeight) const
{
    const int width = std::min(availableWidth, naturalColumnWidth());
    return {width, std::min(availableHeight, columnHeightFor(width))};
}

QRect AlertCard::geometryIn(const QRect &available) const
{
    const QSize room = available.size().expandedTo(QSize(0, 0));
    if (m_scope == LimitScope::wholeCard) {
        const int width = std::min(room.width(), m_limit.width());
        // Wrapped text that needs more than the limit still gets the room it
        // needs, as far as the window allows, rather than being cut off.
        const int height = std::min(room.height(), std::max(m_limit.height(), columnHeightFor(width)));
        return centred({width, height}, available);
    }
    const QSize rectangle = room.boundedTo(m_limit);
    return centred(rectangle.expandedTo(columnSizeFor(room.width(), room.height())), available);
}

QRect AlertCard::roundedRectangle() const
{
    if (m_scope == LimitScope::wholeCard)
        return rect();
    return centred(size().boundedTo(m_limit), rect());
}

void AlertCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(roundedRectangle()), cornerRadius, cornerRadius);
    painter.fillPath(path, m_color);
}

void AlertCard::resizeEvent(QResizeEvent *)
{
    if (m_scope == LimitScope::wholeCard) {
        m_column->setGeometry(rect());
        return;
    }
    m_column->setGeometry(centred(columnSizeFor(width(), height()), rect()));
}
