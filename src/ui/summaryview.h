#pragma once

#include <QWidget>

class AppSettings;
class LinkButton;
class QLabel;
class SymbolView;

// The last page: whether the installation succeeded, and after a failure a
// "Details" link that shows or hides the log.
//
// Object names: "summaryIcon", "summaryMessage", "detailsLink" (present only
// after a failure).
class SummaryView : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryView(AppSettings &settings, QWidget *parent = nullptr);

    void refresh();

private:
    AppSettings &m_settings;
    SymbolView *m_icon = nullptr;
    QLabel *m_message = nullptr;
    LinkButton *m_details = nullptr;
};
