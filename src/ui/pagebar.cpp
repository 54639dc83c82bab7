#include "ui/pagebar.h"

#include "ui/colors.h"
#include "ui/listrow.h"
#include "ui/logoview.h"
#include "ui/metrics.h"
#include "ui/pagetexts.h"
#include "ui/symbolview.h"
#include "ui/wrappinglabel.h"

#include <QVBoxLayout>

namespace {

ListRow *makeRow(Page page)
{
    const QString key = pageKey(page);
    auto *dot = new SymbolView(Symbol::circleFill, colors::gray(), QSize(metrics::pageDotSize, metrics::pageDotSize));
    dot->setObjectName(QStringLiteral("pageDot:") + key);
    // At least the row's standard height; a large font wraps the label onto
    // more lines rather than cutting it off.
    auto *row = new ListRow(pageBarLabel(page), dot, metrics::pageRowHeight);
    row->setObjectName(QStringLiteral("pageRow:") + key);
    row->label()->setObjectName(QStringLiteral("pageLabel:") + key);
    return row;
}

} // namespace

PageBar::PageBar(const QImage &logo, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageBar"));
    setMinimumWidth(metrics::pageBarMinimumWidth);
    setMaximumWidth(metrics::pageBarMaximumWidth);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // The logo and the rows keep to the top; what is left of the height goes
    // below them.
    column->addSpacing(metrics::defaultSpacing);
    column->addWidget(new LogoView(logo), 0, Qt::AlignHCenter);
    column->addSpacing(2 * metrics::defaultSpacing);

    auto *rows = new QVBoxLayout;
    rows->setContentsMargins(metrics::defaultPadding, 0, metrics::defaultPadding, 0);
    rows->setSpacing(0);
    for (const Page page : allPages)
        rows->addWidget(m_rows[std::size_t(rawValue(page))] = makeRow(page));
    column->addLayout(rows);
    column->addStretch(1);
}

void PageBar::refresh(Page currentPage)
{
    for (const Page page : allPages) {
        ListRow *row = m_rows[std::size_t(rawValue(page))];
        const bool current = page == currentPage;
        row->symbol()->setSymbol(Symbol::circleFill, current ? colors::blue() : colors::gray());
        const QString label = pageBarLabel(page);
        //: The page bar's row of the page on screen, as a screen reader names it;
        //: %1 is the row's label.
        row->setCurrent(current, current ? tr("%1, current page").arg(label) : label);
    }
}
QSize PageBar::sizeHint() const { return {metrics::pageBarMaximumWidth, QWidget::sizeHint().height()}; }
