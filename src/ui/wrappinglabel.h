#pragma once

#include <QLabel>

class QPainter;

// Text laid out in lines no wider than a given width, broken between words
// where it can be and inside a word only where the word alone is too wide,
// so no letter is ever cut off or pushed out of sight.
namespace wrappedtext {

// The size of `text` laid out within `width` (at least one pixel).
QSize size(const QString &text, const QFont &font, int width);
// The width of `text` on one line.
int naturalWidth(const QString &text, const QFont &font);
// Draws `text` wrapped within `frame`'s width from its top, each line placed
// by `alignment`'s horizontal part.
void paint(QPainter &painter, const QRect &frame, const QString &text, Qt::Alignment alignment);

} // namespace wrappedtext

// A plain-text label that wraps its text within the width it is given and
// grows in height to show all of it.
class WrappingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrappingLabel(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
