#pragma once

#include <QTextEdit>

// A short plain text that reads like a label and can also be read line by
// line: Tab stops on it, it shows a caret and a focus mark, its text can be
// selected from the keyboard, and assistive technology reads it with the
// caret. It never scrolls: it is as tall as its text at the width it is given.
class ReadableText : public QTextEdit
{
    Q_OBJECT

public:
    explicit ReadableText(QWidget *parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString &text);
    // Where each line sits across the width.
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
