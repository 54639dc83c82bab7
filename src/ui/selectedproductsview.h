#pragma once

#include <QStringList>
#include <QWidget>

class AppSettings;
class QVBoxLayout;

// The install page: the names of the selected products, sorted as on the
// products page, each after a gray dot. Nothing here reacts to clicks; each
// row takes the focus, so Tab and a screen reader go through the list item by
// item.
//
// Object names: "selectedProductList", and per selected product one row
// "selectedRow:<name>" holding its label "selectedProduct:<name>".
class SelectedProductsView : public QWidget
{
    Q_OBJECT

public:
    explicit SelectedProductsView(AppSettings &settings, QWidget *parent = nullptr);

    void refresh();

private:
    AppSettings &m_settings;
    QWidget *m_content = nullptr;
    QVBoxLayout *m_rows = nullptr;
    // The names the rows were last built from.
    QStringList m_shownNames;
};
