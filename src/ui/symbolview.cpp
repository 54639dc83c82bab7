#include "ui/symbolview.h"

#include <QPainter>

SymbolView::SymbolView(Symbol symbol, const QColor &color, QSize size, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_color(color)
{
    setFixedSize(size);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SymbolView::setSymbol(Symbol symbol, const QColor &color)
{
    if (symbol == m_symbol && color == m_color)
        return;
    m_symbol = symbol;
    m_color = color;
    update();
}

void SymbolView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSymbol(painter, m_symbol, QRectF(rect()), m_color);
}
