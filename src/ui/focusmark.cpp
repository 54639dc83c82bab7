#include "ui/focusmark.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

void paintFocusMark(QPainter &painter, const QRect &frame, const QWidget &widget)
{
    QStyleOption option;
    option.initFrom(&widget);
    if (!(option.state & QStyle::State_KeyboardFocusChange))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(frame).adjusted(0.75, 0.75, -0.75, -0.75), 2, 2);
    painter.restore();
}
