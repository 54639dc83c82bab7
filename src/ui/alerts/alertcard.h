#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

class QVBoxLayout;

// The rounded card in the middle of an overlay: a filled rectangle with
// circular corners and the overlay's content column over it. The card takes
// the room it is offered up to its limit, and shrinks in a smaller window.
class AlertCard : public QWidget
{
    Q_OBJECT

public:
    // Whether the limit bounds the whole card, or only the rounded rectangle
    // while the content column keeps its natural size and is centred over it.
    enum class LimitScope { wholeCard, roundedRectangleOnly };

    static constexpr qreal cornerRadius = 8;

    AlertCard(QColor color, QSize limit, LimitScope scope, QWidget *parent = nullptr);

    // The card's geometry inside `available`, centred in it.
    QRect geometryIn(const QRect &available) const;
    // The rounded rectangle in the card's own coordinates.
    QRect roundedRectangle() const;

    QColor color() const { return m_color; }
    QSize limit() const { return m_limit; }

protected:
    // The layout the overlay fills with its content, spacing 0 and no margins.
    QVBoxLayout *column() const { return m_columnLayout; }
    QWidget *columnWidget() const { return m_column; }
    // The width the content column would like when nothing constrains it.
    virtual int naturalColumnWidth() const;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize columnSizeFor(int availableWidth, int availableHeight) const;
    int columnHeightFor(int width) const;

    const QColor m_color;
    const QSize m_limit;
    const LimitScope m_scope;
    QWidget *m_column = nullptr;
    QVBoxLayout *m_columnLayout = nullptr;
};
