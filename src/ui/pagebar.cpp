#include "ui/pagebar.h"

#include "ui/colors.h"
#include "ui/logoview.h"
#include "ui/metrics.h"
#include "ui/pagetexts.h"
#include "ui/symbolview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QWidget *makeRow(Page page, SymbolView *&dot)
{
    auto *row = new QWidget;
    const QString label = pageBarLabel(page);
    row->setObjectName(QStringLiteral("pageRow:") + label);
    row->setFixedHeight(metrics::pageRowHeight);

    dot = new SymbolView(Symbol::circleFill, colors::gray(), QSize(metrics::pageDotSize, metrics::pageDotSize));
    dot->setObjectName(QStringLiteral("pageDot:") + label);

    auto *text = new QLabel(label);
    text->setObjectName(QStringLiteral("pageLabel:") + label);
    text->setTextFormat(Qt::PlainText);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(metrics::defaultSpacing);
    layout->addWidget(dot, 0, Qt::AlignVCenter);
    layout->addWidget(text, 0, Qt::AlignVCenter);
    layout->addStretch();
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
        rows->addWidget(makeRow(page, m_dots[std::size_t(rawValue(page))]));
    column->addLayout(rows);
    column->addStretch(1);
}

void PageBar::refresh(Page currentPage)
{
    for (const Page page : allPages)
        m_dots[std::size_t(rawValue(page))]->setSymbol(Symbol::circleFill,
                                                       page == currentPage ? colors::blue() : colors::gray());
}


QSize PageBar::sizeHint() const { return {metrics::pageBarMaximumWidth, QWidget::sizeHint().height()}; }
