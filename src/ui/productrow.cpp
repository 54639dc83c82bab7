#include "ui/productrow.h"

#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/metrics.h"
#include "ui/symbols.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int fontSize = 14;
constexpr int boxSize = 14;
constexpr int verticalPadding = 4;

} // namespace

ProductRow::ProductRow(const ProductKey &key, QWidget *parent)
    : QAbstractButton(parent)
    , m_key(key)
    , m_name(productName(key))
{
    setObjectName(QStringLiteral("productRow:") + m_name);
    setFont(systemFont(fontSize));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // The accessible name is the product's; the text is never shown by the
    // button machinery, so an "&" in a folder name stays a plain character.
    setAccessibleName(m_name);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ProductRow::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

QRect ProductRow::checkBoxRect() const
{
    return {0, (height() - boxSize) / 2, boxSize, boxSize};
}

QRect ProductRow::nameRect() const
{
    const int left = boxSize + metrics::defaultSpacing;
    return {left, 0, fontMetrics().horizontalAdvance(m_name) + 2, height()};
}

QSize ProductRow::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {boxSize + ::metrics::defaultSpacing + metrics.horizontalAdvance(m_name) + 2,
            std::max(boxSize, metrics.height()) + 2 * verticalPadding};
}

bool ProductRow::hitButton(const QPoint &pos) const
{
    return checkBoxRect().contains(pos) || nameRect().contains(pos);
}

void ProductRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSymbol(painter, m_selected ? Symbol::checkmarkSquareFill : Symbol::square, QRectF(checkBoxRect()),
                m_selected ? colors::blue() : colors::secondaryLabel());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(nameRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_name);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
