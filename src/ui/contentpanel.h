#pragma once

#include <QWidget>

class QStackedLayout;

// The white, thinly bordered panel that shows one page's content at a time.
class ContentPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ContentPanel(QWidget *parent = nullptr);

    void addPage(QWidget *page);
    void showPage(QWidget *page);
    QWidget *currentPage() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStackedLayout *m_pages = nullptr;
};
