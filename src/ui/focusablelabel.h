#pragma once

#include <QLabel>

// A label the keyboard reaches: Tab and Shift+Tab stop on it, and it shows
// the focus mark once the keyboard has moved the focus to it. Otherwise it
// looks and lays out as a plain label, and a screen reader reads its text
// when it takes the focus.
class FocusableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FocusableLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
