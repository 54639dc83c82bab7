#include "ui/productrow.h"

#include "ui/colors.h"
#include "ui/focusmark.h"
#include "ui/fonts.h"
#include "ui/metrics.h"
#include "ui/symbols.h"
#include "ui/wrappinglabel.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int fontSize = 14;
constexpr int boxSize = 14;
constexpr int verticalPadding = 4;
// Room around the box and the name for the focus mark, so it never covers
// either of them.
constexpr int focusMargin = 4;
constexpr int focusGap = 3;
constexpr int nameLeft = focusMargin + boxSize + metrics::defaultSpacing;

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
    // A check box to assistive technology, whose checked state is the
    // product's flag. A click never changes it here (nextCheckState); the
    // page sets it from the state on every refresh.
    setCheckable(true);
    // The accessible name is the product's; the text is never shown by the
    // button machinery, so an "&" in a folder name stays a plain character.
    setAccessibleName(m_name);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ProductRow::setSelected(bool selected)
{
    if (selected == isChecked())
        return;
    setChecked(selected);
    update();
}

int ProductRow::nameWidth(int rowWidth) const { return std::max(rowWidth - nameLeft - focusMargin, 1); }

QRect ProductRow::checkBoxRect() const { return {focusMargin, (height() - boxSize) / 2, boxSize, boxSize}; }

QRect ProductRow::nameRect() const
{
    const QSize text = wrappedtext::size(m_name, font(), nameWidth(width()));
    return {nameLeft, (height() - text.height()) / 2, text.width() + 2, text.height()};
}

QSize ProductRow::sizeHint() const
{
    const int width = nameLeft + wrappedtext::naturalWidth(m_name, font()) + 2 + focusMargin;
    return {width, heightForWidth(width)};
}

QSize ProductRow::minimumSizeHint() const { return {nameLeft + focusMargin + 1, heightForWidth(sizeHint().width())}; }

int ProductRow::heightForWidth(int width) const
{
    const int text = std::max(wrappedtext::size(m_name, font(), nameWidth(width)).height(), fontMetrics().height());
    return std::max(boxSize, text) + 2 * verticalPadding;
}

bool ProductRow::hitButton(const QPoint &pos) const
{
    return checkBoxRect().contains(pos) || nameRect().contains(pos);
}

void ProductRow::nextCheckState() {}

void ProductRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool selected = isSelected();
    paintSymbol(painter, selected ? Symbol::checkmarkSquareFill : Symbol::square, QRectF(checkBoxRect()),
                selected ? colors::blue() : colors::secondaryLabel());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    const QRect name = nameRect();
    wrappedtext::paint(painter, QRect(name.left(), name.top(), nameWidth(width()), name.height()), m_name,
                       Qt::AlignLeft);
    if (hasFocus())
        paintFocusMark(painter, checkBoxRect().united(name).adjusted(-focusGap, -focusGap, focusGap, focusGap), *this);
}
