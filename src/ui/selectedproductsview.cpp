#include "ui/selectedproductsview.h"

#include "state/appsettings.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/listrow.h"
#include "ui/metrics.h"
#include "ui/symbolview.h"
#include "ui/wrappinglabel.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int fontSize = 14;
constexpr int bulletSize = 10;
constexpr int rowHeight = 26;
constexpr int rowGap = 4;

QWidget *makeRow(const QString &name)
{
    auto *row = new ListRow(name, new SymbolView(Symbol::circleFill, colors::gray(), QSize(bulletSize, bulletSize)),
                            rowHeight);
    // A little room above and below, so wrapped names stay apart; a
    // one-line row keeps its height.
    row->layout()->setContentsMargins(0, rowGap, 0, rowGap);
    // Each name is a Tab stop, so the list can be heard item by item.
    row->setObjectName(QStringLiteral("selectedRow:") + name);
    row->setFocusPolicy(Qt::StrongFocus);
    WrappingLabel *label = row->label();
    label->setObjectName(QStringLiteral("selectedProduct:") + name);
    label->setFont(systemFont(fontSize));
    return row;
}

} // namespace

SelectedProductsView::SelectedProductsView(AppSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("installPage"));
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("selectedProductList"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // Long names wrap within the rows; the list never scrolls sideways. Its
    // rows take the focus, the list itself does not.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    m_content = new QWidget;
    m_rows = new QVBoxLayout(m_content);
    m_rows->setContentsMargins(metrics::defaultPadding, metrics::defaultSpacing, metrics::defaultPadding,
                               metrics::defaultSpacing);
    m_rows->setSpacing(0);
    m_rows->addStretch();
    scroll->setWidget(m_content);
}

void SelectedProductsView::refresh()
{
    // Unrelated changes (an alert flag) leave the rows, and so the scroll
    // position, alone.
    const QStringList names = sortedSelectedNames(m_settings.products());
    if (names == m_shownNames)
        return;
    m_shownNames = names;
    while (m_rows->count() > 1) {
        QLayoutItem *item = m_rows->takeAt(0);
        delete item->widget();
        delete item;
    }
    for (const QString &name : names)
        m_rows->insertWidget(m_rows->count() - 1, makeRow(name));
}
