#pragma once

#include "ui/symbols.h"

#include <QWidget>

// Shows one symbol stretched over the whole widget. What it shows is set by
// the view that owns it on every refresh; it decides nothing itself.
class SymbolView : public QWidget
{
    Q_OBJECT

public:
    SymbolView(Symbol symbol, const QColor &color, QSize size, QWidget *parent = nullptr);

    Symbol symbol() const { return m_symbol; }
    QColor color() const { return m_color; }
    void setSymbol(Symbol symbol, const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Symbol m_symbol;
    QColor m_color;
};
