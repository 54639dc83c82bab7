#include "ui/contentpanel.h"

#include "ui/colors.h"

#include <QPainter>
#include <QStackedLayout>

namespace {

constexpr int border = 1;

} // namespace

ContentPanel::ContentPanel(QWidget *parent)
    : QWidget(parent)
    , m_pages(new QStackedLayout(this))
{
    setObjectName(QStringLiteral("contentPanel"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Pages draw on the panel's white, so the palette behind them is white too.
    QPalette white = palette();
    white.setColor(QPalette::Window, colors::panel());
    white.setColor(QPalette::Base, colors::panel());
    setPalette(white);
    m_pages->setContentsMargins(border, border, border, border);
}

void ContentPanel::addPage(QWidget *page) { m_pages->addWidget(page); }

void ContentPanel::showPage(QWidget *page) { m_pages->setCurrentWidget(page); }

QWidget *ContentPanel::currentPage() const { return m_pages->currentWidget(); }

void ContentPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colors::panel());
    painter.setPen(QPen(colors::separator(), border));
    painter.setBrush(Qt::NoBrush);
    // The line lies inside the panel's edge.
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
