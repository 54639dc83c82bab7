#pragma once

#include <QWidget>

class AppSettings;
class LinkButton;
class ReadableText;
class SymbolView;

// The last page: whether the installation succeeded, and after a failure a
// "Details" link that shows or hides the log.
//
// Object names: "summaryIcon" (named "Success" or "Failed" for assistive
// technology), "summaryMessage" (readable line by line), "detailsLink"
// (present only after a failure).
class SummaryView : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryView(AppSettings &settings, QWidget *parent = nullptr);

    void refresh();

private:
    AppSettings &m_settings;
    SymbolView *m_icon = nullptr;
    ReadableText *m_message = nullptr;
    LinkButton *m_details = nullptr;
};
