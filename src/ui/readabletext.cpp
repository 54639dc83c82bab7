#include "ui/readabletext.h"

#include "ui/focusmark.h"

#include <QPainter>
#include <QTextDocument>

#include <cmath>
#include <memory>

ReadableText::ReadableText(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    // The text's own margin is the room for the focus mark.
    document()->setDocumentMargin(3);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ReadableText::setText(const QString &text)
{
    if (text == toPlainText())
        return;
    const Qt::Alignment kept = alignment();
    setPlainText(text);
    setAlignment(kept);
    updateGeometry();
}

Qt::Alignment ReadableText::alignment() const { return document()->defaultTextOption().alignment(); }

void ReadableText::setAlignment(Qt::Alignment alignment)
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    document()->setDefaultTextOption(option);
}

int ReadableText::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const std::unique_ptr<QTextDocument> laidOut(document()->clone());
    laidOut->setTextWidth(std::max(width - margins.left() - margins.right(), 1));
    return int(std::ceil(laidOut->size().height())) + margins.top() + margins.bottom();
}

QSize ReadableText::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const std::unique_ptr<QTextDocument> laidOut(document()->clone());
    const int width = int(std::ceil(laidOut->idealWidth())) + margins.left() + margins.right();
    return {width, heightForWidth(width)};
}

QSize ReadableText::minimumSizeHint() const { return {1, heightForWidth(sizeHint().width())}; }

void ReadableText::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    paintFocusMark(painter, viewport()->rect(), *this);
}

void ReadableText::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    viewport()->update();
}

void ReadableText::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    viewport()->update();
}
