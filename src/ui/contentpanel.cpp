#include "ui/contentpanel.h"

#include "ui/colors.h"

#include <QPainter>
#include <QStackedLayout>

namespace {

constexpr int border = 1;

// The panel's border line, drawn over whatever page fills the panel: pages
// reach the panel's edge, so a line painted by the panel itself would lie
// beneath them.
class PanelBorder : public QWidget
{
public:
    explicit PanelBorder(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_TranslucentBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(colors::separator(), border));
        painter.setBrush(Qt::NoBrush);
        // The line lies inside the panel's edge.
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

} // namespace

ContentPanel::ContentPanel(QWidget *parent)
    : QWidget(parent)
    , m_pages(new QStackedLayout(this))
    , m_border(new PanelBorder(this))
{
    setObjectName(QStringLiteral("contentPanel"));
    m_border->setObjectName(QStringLiteral("contentPanelBorder"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Pages draw on the panel's white, so the palette behind them is white too.
    QPalette white = palette();
    white.setColor(QPalette::Window, colors::panel());
    white.setColor(QPalette::Base, colors::panel());
    setPalette(white);
}

void ContentPanel::addPage(QWidget *page, const QString &name)
{
    m_pages->addWidget(page);
    // Only now: the page's description depends on its being held here.
    page->setAccessibleName(name);
    m_border->raise();
}

void ContentPanel::showPage(QWidget *page)
{
    m_pages->setCurrentWidget(page);
    m_border->raise();
}

QWidget *ContentPanel::currentPage() const { return m_pages->currentWidget(); }

bool ContentPanel::holdsPage(const QWidget *widget) const
{
    return widget && widget != m_border && m_pages->indexOf(const_cast<QWidget *>(widget)) >= 0;
}

void ContentPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colors::panel());
}

void ContentPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_border->setGeometry(rect());
    m_border->raise();
}
