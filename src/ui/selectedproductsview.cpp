#include "ui/selectedproductsview.h"

#include "state/appsettings.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/metrics.h"
#include "ui/symbolview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int fontSize = 14;
constexpr int bulletSize = 10;
constexpr int rowHeight = 26;

QWidget *makeRow(const QString &name)
{
    auto *row = new QWidget;
    row->setFixedHeight(rowHeight);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(metrics::defaultSpacing);
    layout->addWidget(new SymbolView(Symbol::circleFill, colors::gray(), QSize(bulletSize, bulletSize)), 0,
                      Qt::AlignVCenter);
    auto *label = new QLabel(name);
    label->setObjectName(QStringLiteral("selectedProduct:") + name);
    // Folder names are shown as written, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(systemFont(fontSize));
    layout->addWidget(label, 0, Qt::AlignVCenter);
    layout->addStretch();
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
