#pragma once

#include <QWidget>

class SymbolView;
class WrappingLabel;

// One row of a short list: a small symbol before a text that wraps when the
// row is narrow, the row growing to show all of it. To assistive technology
// the row is one list item named by its text (see accessibility.cpp); the
// symbol and the label inside are parts of it, not items of their own.
class ListRow : public QWidget
{
    Q_OBJECT

public:
    ListRow(const QString &text, SymbolView *symbol, int minimumHeight, QWidget *parent = nullptr);

    QString text() const;
    SymbolView *symbol() const { return m_symbol; }
    WrappingLabel *label() const { return m_label; }

    // Whether this row is the current one of its list, told to assistive
    // technology as its selected state and by its accessible name, `name`
    // (which says so while it is current): a screen reader reviewing what is
    // on screen speaks names, not states or descriptions.
    bool isCurrent() const { return m_current; }
    void setCurrent(bool current, const QString &name);

protected:
    // A row that takes the focus (a list a user reads item by item) shows it.
    void paintEvent(QPaintEvent *event) override;

private:
    SymbolView *m_symbol = nullptr;
    WrappingLabel *m_label = nullptr;
    bool m_current = false;
};
