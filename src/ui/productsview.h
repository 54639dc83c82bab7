#pragma once

#include "catalogue/productmap.h"

#include <QWidget>
#include <vector>

class AppSettings;
class ProductRow;
class QLabel;
class QScrollArea;
class QStackedLayout;
class QVBoxLayout;

// The products page: every product with a check box, sorted by name, or
// "No products found" when there are none.
//
// Object names: "noProductsLabel", "productList", and one "productRow:<name>"
// per product (<name> is the product folder's name).
class ProductsView : public QWidget
{
    Q_OBJECT

public:
    explicit ProductsView(AppSettings &settings, QWidget *parent = nullptr);

    void refresh();

private:
    void toggle(const ProductKey &key);

    AppSettings &m_settings;
    QStackedLayout *m_stack = nullptr;
    QLabel *m_empty = nullptr;
    QScrollArea *m_list = nullptr;
    QVBoxLayout *m_rows = nullptr;
    std::vector<ProductRow *> m_rowWidgets;
};

// The map after one click on the row of `key`: its flag negated, or true when
// the key is missing (the row was drawn from an older state).
ProductMap toggledProduct(ProductMap products, const ProductKey &key);
