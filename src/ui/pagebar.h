#pragma once

#include "state/page.h"

#include <QImage>
#include <array>
#include <QWidget>

class ListRow;

// The column at the window's leading edge: the logo and one row per page,
// with a dot that marks the current page. Assistive technology hears the
// current row as selected and named as the current page.
//
// Object names: "logo"; per page "pageRow:<label>", holding "pageDot:<label>"
// and "pageLabel:<label>", where <label> is the page bar label in English
// (pageKey), in every language.
class PageBar : public QWidget
{
    Q_OBJECT

public:
    explicit PageBar(const QImage &logo, QWidget *parent = nullptr);

    void refresh(Page currentPage);
    // As wide as the bar may be; the main column takes the rest.
    QSize sizeHint() const override;

private:
    std::array<ListRow *, allPages.size()> m_rows{};
};
