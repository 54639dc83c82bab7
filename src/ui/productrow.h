#pragma once

#include "catalogue/productmap.h"

#include <QAbstractButton>

// One product of the products page: its check box and its name, which wraps
// within the row's width (the row grows). A click on either, or Space while
// the row has the focus, emits clicked(); the row never changes its own
// look, the page sets it from the state on every refresh. To assistive
// technology the row is a check box named after the product, checked while
// the product is selected.
class ProductRow : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ProductRow(const ProductKey &key, QWidget *parent = nullptr);

    const ProductKey &key() const { return m_key; }
    QString name() const { return m_name; }
    bool isSelected() const { return isChecked(); }
    void setSelected(bool selected);

    // Where the box and the name are drawn, in the row's coordinates.
    QRect checkBoxRect() const;
    QRect nameRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override;

private:
    ProductKey m_key;
    int nameWidth(int rowWidth) const;

    QString m_name;
};
