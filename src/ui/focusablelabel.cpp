#include "ui/focusablelabel.h"

#include "ui/focusmark.h"

#include <QPainter>

FocusableLabel::FocusableLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void FocusableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    paintFocusMark(painter, rect(), *this);
}
