#include "ui/productsview.h"

#include "state/appsettings.h"
#include "ui/metrics.h"
#include "ui/productrow.h"

#include <QLabel>
#include <QScrollArea>
#include <QStackedLayout>
#include <QVBoxLayout>

ProductMap toggledProduct(ProductMap products, const ProductKey &key)
{
    const auto found = products.find(key);
    products[key] = found == products.end() ? true : !found->second;
    return products;
}

ProductsView::ProductsView(AppSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_stack(new QStackedLayout(this))
    , m_empty(new QLabel(tr("No products found")))
    , m_list(new QScrollArea)
{
    setObjectName(QStringLiteral("productsPage"));
    m_empty->setObjectName(QStringLiteral("noProductsLabel"));
    m_empty->setAlignment(Qt::AlignCenter);

    m_list->setObjectName(QStringLiteral("productList"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setWidgetResizable(true);
    // Long names wrap within their rows, so the list never scrolls sideways
    // and every check box stays in view. The rows take the focus; the list
    // itself shows none, so Tab passes it by (it still scrolls a focused row
    // into view).
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setFocusPolicy(Qt::NoFocus);
    auto *content = new QWidget;
    m_rows = new QVBoxLayout(content);
    m_rows->setContentsMargins(metrics::defaultPadding, metrics::defaultSpacing, metrics::defaultPadding,
                               metrics::defaultSpacing);
    m_rows->setSpacing(0);
    m_rows->addStretch();
    m_list->setWidget(content);

    m_stack->addWidget(m_empty);
    m_stack->addWidget(m_list);
}

void ProductsView::refresh()
{
    const ProductMap &products = m_settings.products();
    if (products.empty()) {
        m_stack->setCurrentWidget(m_empty);
    } else {
        m_stack->setCurrentWidget(m_list);
    }

    // Rows keep their identity while only flags change, so focus and scroll
    // position survive a toggle; a different set of products rebuilds them.
    const QStringList keys = sortedProductKeys(products);
    bool sameKeys = qsizetype(m_rowWidgets.size()) == keys.size();
    for (std::size_t i = 0; sameKeys && i < m_rowWidgets.size(); ++i)
        sameKeys = m_rowWidgets[i]->key() == keys[qsizetype(i)];
    if (!sameKeys) {
        for (ProductRow *row : m_rowWidgets)
            delete row;
        m_rowWidgets.clear();
        for (const ProductKey &key : keys) {
            auto *row = new ProductRow(key);
            connect(row, &ProductRow::clicked, this, [this, key] { toggle(key); });
            m_rows->insertWidget(m_rows->count() - 1, row);
            m_rowWidgets.push_back(row);
        }
    }
    for (ProductRow *row : m_rowWidgets) {
        const auto found = products.find(row->key());
        row->setSelected(found != products.end() && found->second);
    }
}

void ProductsView::toggle(const ProductKey &key) { m_settings.setProducts(toggledProduct(m_settings.products(), key)); }
