#pragma once

#include "catalogue/productmap.h"

#include <QAbstractButton>

// One product of the products page: its check box and its name. A click on
// either emits clicked(); the row never changes its own look, the page sets
// it from the state on every refresh.
class ProductRow : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ProductRow(const ProductKey &key, QWidget *parent = nullptr);

    const ProductKey &key() const { return m_key; }
    QString name() const { return m_name; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // Where the box and the name are drawn, in the row's coordinates.
    QRect checkBoxRect() const;
    QRect nameRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    ProductKey m_key;
    QString m_name;
    bool m_selected = false;
};
