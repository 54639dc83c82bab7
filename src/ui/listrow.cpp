#include "ui/listrow.h"

#include "ui/focusmark.h"
#include "ui/metrics.h"
#include "ui/symbolview.h"
#include "ui/wrappinglabel.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QPainter>

ListRow::ListRow(const QString &text, SymbolView *symbol, int minimumHeight, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_label(new WrappingLabel(text))
{
    setMinimumHeight(minimumHeight);
    setAccessibleName(text);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(metrics::defaultSpacing);
    layout->addWidget(m_symbol, 0, Qt::AlignVCenter);
    layout->addWidget(m_label, 1);
}

QString ListRow::text() const { return m_label->text(); }

void ListRow::setCurrent(bool current, const QString &name)
{
    if (accessibleName() != name)
        setAccessibleName(name);
    if (current == m_current)
        return;
    m_current = current;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ListRow::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    paintFocusMark(painter, rect(), *this);
}
