#include "ui/linkbutton.h"

#include "ui/colors.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int margin = 2;

} // namespace

LinkButton::LinkButton(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

QSize LinkButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()), metrics.height()) + QSize(2 * margin, 2 * margin);
}

void LinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont linkFont = font();
    linkFont.setUnderline(underMouse() || hasFocus());
    painter.setFont(linkFont);
    painter.setPen(isDown() ? colors::blue().darker(130) : colors::blue());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
