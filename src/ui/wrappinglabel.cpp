#include "ui/wrappinglabel.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace wrappedtext {

namespace {

// Lays the lines out in `layout` and returns the height they take.
qreal layOut(QTextLayout &layout, int width, Qt::Alignment alignment)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(alignment & Qt::AlignHorizontal_Mask);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace

QSize size(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    const qreal height = layOut(layout, width, Qt::AlignLeft);
    qreal widest = 0;
    for (int i = 0; i < layout.lineCount(); ++i)
        widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
    return {int(std::ceil(widest)), int(std::ceil(height))};
}

int naturalWidth(const QString &text, const QFont &font)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

void paint(QPainter &painter, const QRect &frame, const QString &text, Qt::Alignment alignment)
{
    QTextLayout layout(text, painter.font());
    layOut(layout, frame.width(), alignment);
    layout.draw(&painter, frame.topLeft());
}

} // namespace wrappedtext

WrappingLabel::WrappingLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

QSize WrappingLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const int width = wrappedtext::naturalWidth(text(), font()) + margins.left() + margins.right();
    return {width, heightForWidth(width)};
}

QSize WrappingLabel::minimumSizeHint() const
{
    // Any width will do: the text wraps, inside words if it must.
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right() + 1, fontMetrics().height() + margins.top() + margins.bottom()};
}

int WrappingLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const int inner = width - margins.left() - margins.right();
    return std::max(wrappedtext::size(text(), font(), inner).height(), fontMetrics().height()) + margins.top()
           + margins.bottom();
}

void WrappingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect frame = contentsRect();
    const int textHeight = wrappedtext::size(text(), font(), frame.width()).height();
    // Vertically placed as the alignment says; a label taller than its text
    // keeps it centred by default.
    int top = frame.top();
    if (alignment() & Qt::AlignVCenter)
        top += (frame.height() - textHeight) / 2;
    else if (alignment() & Qt::AlignBottom)
        top += frame.height() - textHeight;
    wrappedtext::paint(painter, QRect(frame.left(), top, frame.width(), textHeight), text(), alignment());
}
