#include "ui/alerts/overlayframe.h"

#include "ui/alerts/alertcard.h"
#include "ui/alerts/alertmetrics.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

OverlayFrame::OverlayFrame(AlertCard *card, QWidget *parent)
    : QWidget(parent)
    , m_card(card)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    m_card->setParent(this);
    m_card->installEventFilter(this);
    placeCard();
}

QColor OverlayFrame::backdropColor() { return QColor(Qt::gray); }

void OverlayFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setOpacity(backdropOpacity);
    painter.fillRect(rect(), backdropColor());
}

void OverlayFrame::resizeEvent(QResizeEvent *) { placeCard(); }

bool OverlayFrame::eventFilter(QObject *watched, QEvent *event)
{
    // A card whose content changes its size hints is placed again.
    if (watched == m_card && event->type() == QEvent::LayoutRequest)
        placeCard();
    return QWidget::eventFilter(watched, event);
}

bool OverlayFrame::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void OverlayFrame::placeCard()
{
    // The centring stacks leave the standard spacing between the card and
    // the flexible space on each side.
    const int spacing = alertmetrics::defaultSpacing;
    m_card->setGeometry(m_card->geometryIn(rect().adjusted(spacing, spacing, -spacing, -spacing)));
}

bool OverlayFrame::focusNextPrevChild(bool next)
{
    QList<QWidget *> chain;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w);
    }
    if (chain.isEmpty())
        return true;
    const qsizetype current = chain.indexOf(QApplication::focusWidget());
    qsizetype target = 0;
    if (current < 0)
        target = next ? 0 : chain.size() - 1;
    else
        target = (current + (next ? 1 : chain.size() - 1)) % chain.size();
    chain.at(target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
