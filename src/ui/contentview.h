#pragma once

#include "state/page.h"
#include "ui/alerts/overlaychoice.h"
#include "ui/coalescedrefresh.h"
#include "ui/document.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <optional>

class AlertView;
class AppSettings;
class ContentPanel;
class PageBar;
class ProductsView;
class QLabel;
class QPushButton;
class SelectedProductsView;
class SummaryView;

// The installer window's content: the page bar, the current page's title and
// content, the button bar, and the alert layer over all of it. Everything it
// shows is computed from AppSettings in refresh(), which runs once on the
// event-loop turn after any change announcement.
//
// Object names (for tests and scripted clicks):
//   "pageBar", "logo", "pageRow:<label>", "pageDot:<label>", "pageLabel:<label>"
//   "pageTitle", "contentPanel"
//   pages: "introPage" (with "welcomeText"), "licensePage" (holding one
//     "licenseText" while the license is shown), "productsPage", "installPage",
//     "summaryPage"; their own names are listed in productsview.h,
//     selectedproductsview.h and summaryview.h
//   buttons: "selectAllButton", "goBackButton", "nextButton"
//   "alertView": the alert layer, always the topmost child
class ContentView : public QWidget
{
    Q_OBJECT

public:
    // `resourceFolder` is where the license and the logo are read from.
    explicit ContentView(AppSettings &settings, Document::ResourceFolder resourceFolder = &bundle::resourceFolder,
                         QWidget *parent = nullptr);

    static QColor textColor();
    static QColor backgroundColor();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Re-reads every label, enabled flag and visible part from the state.
    void refresh();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Return and Escape as Linux desktops use them (see keyconventions.h).
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *makeWizardLayer(const QImage &logo);
    QWidget *makeIntroPage();
    QLayout *makeButtonBar();
    QWidget *pageWidget(Page page) const;
    void refreshLicenseView(Page page);
    // Moves the focus to the first thing of a page that has just come up
    // (arrivalFocus), once no overlay holds it.
    void refreshFocus(Page page);

    AppSettings &m_settings;
    Document m_document;
    CoalescedRefresh m_refresh{[this] { refresh(); }};

    QWidget *m_wizard = nullptr;
    PageBar *m_pageBar = nullptr;
    QLabel *m_title = nullptr;
    ContentPanel *m_panel = nullptr;
    QWidget *m_introPage = nullptr;
    QWidget *m_licensePage = nullptr;
    ProductsView *m_productsView = nullptr;
    SelectedProductsView *m_selectedProductsView = nullptr;
    SummaryView *m_summaryView = nullptr;
    QPushButton *m_selectAll = nullptr;
    QPushButton *m_goBack = nullptr;
    QPushButton *m_next = nullptr;
    AlertView *m_alertView = nullptr;
    // The page whose first thing last took the focus; none at the start.
    std::optional<Page> m_focusedPage;
    // The page last exposed to the screen reader (accessibility::exposeShown).
    std::optional<Page> m_shownPage;
    Overlay m_overlayBefore = Overlay::none;
    // Lives while the license page is shown, so its scroll position survives
    // refreshes that do not leave the page.
    QPointer<QWidget> m_licenseView;
};
