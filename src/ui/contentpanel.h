#pragma once

#include <QWidget>

class QStackedLayout;

// The white, thinly bordered panel that shows one page's content at a time.
// Pages fill the whole panel and the border line is drawn over them.
class ContentPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ContentPanel(QWidget *parent = nullptr);

    // `name` is the page's name for assistive technology, which presents the
    // page as a named panel around its content.
    void addPage(QWidget *page, const QString &name);
    void showPage(QWidget *page);
    QWidget *currentPage() const;
    bool holdsPage(const QWidget *widget) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QStackedLayout *m_pages = nullptr;
    // Drawn over the current page; named "contentPanelBorder".
    QWidget *m_border = nullptr;
};
