#include "ui/contentview.h"

#include "state/appsettings.h"
#include "ui/accessibility.h"
#include "ui/alertview.h"
#include "ui/arrivalfocus.h"
#include "ui/colors.h"
#include "ui/contentpanel.h"
#include "ui/focusablelabel.h"
#include "ui/keyconventions.h"
#include "ui/metrics.h"
#include "ui/navigation.h"
#include "ui/pagebar.h"
#include "ui/pagetexts.h"
#include "ui/productsview.h"
#include "ui/selectedproductsview.h"
#include "ui/summaryview.h"
#include "ui/textwithattributedstring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QImage loadLogo(const Document::ResourceFolder &resourceFolder)
{
    const auto folder = resourceFolder ? resourceFolder() : std::nullopt;
    return folder ? QImage(*folder + QStringLiteral("/Logo.png")) : QImage();
}

} // namespace

ContentView::ContentView(AppSettings &settings, Document::ResourceFolder resourceFolder, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_document(resourceFolder)
{
    accessibility::install();
    // The program's name, as the desktop shows it; the description says the
    // page, so a page change is announced.
    setAccessibleName(QStringLiteral("Veltrano Installer"));
    m_document.load(QStringLiteral("VeltranoEULA"));

    QPalette light = palette();
    light.setColor(QPalette::Window, backgroundColor());
    // Disabled texts keep the application's dimmed colour.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            light.setColor(group, role, textColor());
    }
    setPalette(light);

    m_wizard = makeWizardLayer(loadLogo(resourceFolder));
    m_alertView = new AlertView(settings, this);
    m_alertView->setObjectName(QStringLiteral("alertView"));
    m_alertView->raise();
    setMinimumSize(metrics::windowContent.expandedTo(m_wizard->minimumSizeHint()));

    connect(&m_settings, &AppSettings::objectWillChange, &m_refresh, [this] { m_refresh.schedule(); });
    connect(&m_document, &Document::objectWillChange, &m_refresh, [this] {
        // A new text needs a new view; the old one was filled once and keeps
        // what it was given.
        delete m_licenseView;
        m_refresh.schedule();
    });
    refresh();
}

QColor ContentView::textColor() { return colors::text(); }

QColor ContentView::backgroundColor() { return colors::background(); }

QSize ContentView::sizeHint() const { return minimumSize().expandedTo(metrics::windowContent); }

QSize ContentView::minimumSizeHint() const { return minimumSize(); }

void ContentView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_wizard->setGeometry(rect());
    m_alertView->setGeometry(rect());
    m_alertView->raise();
}

QWidget *ContentView::makeWizardLayer(const QImage &logo)
{
    auto *wizard = new QWidget(this);
    wizard->setObjectName(QStringLiteral("wizard"));
    wizard->setAutoFillBackground(true);

    m_pageBar = new PageBar(logo);

    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("pageTitle"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_title->setContentsMargins(0, 0, 0, metrics::defaultPadding);
    // The summary's empty title keeps its line, so the panel does not jump.
    m_title->setMinimumHeight(m_title->fontMetrics().height() + metrics::defaultPadding);

    m_panel = new ContentPanel;
    m_introPage = makeIntroPage();
    m_licensePage = new QWidget;
    m_licensePage->setObjectName(QStringLiteral("licensePage"));
    auto *licenseLayout = new QVBoxLayout(m_licensePage);
    licenseLayout->setContentsMargins(0, 0, 0, 0);
    m_productsView = new ProductsView(m_settings);
    m_selectedProductsView = new SelectedProductsView(m_settings);
    m_summaryView = new SummaryView(m_settings);
    for (const Page page : allPages)
        m_panel->addPage(pageWidget(page), pageName(page));

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(metrics::defaultSpacing);
    column->addSpacing(metrics::topGap);
    column->addWidget(m_title);
    auto *contentRow = new QHBoxLayout;
    contentRow->setContentsMargins(0, 0, metrics::trailingGap, 0);
    contentRow->addWidget(m_panel);
    column->addLayout(contentRow, 1);
    column->addLayout(makeButtonBar());

    auto *layers = new QHBoxLayout(wizard);
    layers->setContentsMargins(0, 0, 0, 0);
    layers->setSpacing(0);
    layers->addWidget(m_pageBar);
    layers->addLayout(column, 1);
    return wizard;
}

QWidget *ContentView::makeIntroPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("introPage"));
    // A label, as the page has always shown it; it takes the focus when the
    // page comes up, so a screen reader reads it, and Tab and Shift+Tab come
    // back to it.
    auto *welcome = new FocusableLabel(tr("You will be guided through the steps necessary to use this software."));
    welcome->setObjectName(QStringLiteral("welcomeText"));
    welcome->setTextFormat(Qt::PlainText);
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(3, metrics::defaultPadding, 3, 0);
    layout->addWidget(welcome);
    layout->addStretch();
    return page;
}

QLayout *ContentView::makeButtonBar()
{
    m_selectAll = new QPushButton(tr("Select All"));
    m_selectAll->setObjectName(QStringLiteral("selectAllButton"));
    m_goBack = new QPushButton(tr("Go Back"));
    m_goBack->setObjectName(QStringLiteral("goBackButton"));
    m_next = new QPushButton(tr("Next"));
    m_next->setObjectName(QStringLiteral("nextButton"));
    for (QPushButton *button : {m_selectAll, m_goBack, m_next})
        button->setAutoDefault(false);

    connect(m_selectAll, &QPushButton::clicked, this, [this] {
        m_settings.selectAll();
        accessibility::tell(m_selectAll, tr("All products selected"));
    });
    connect(m_goBack, &QPushButton::clicked, this, [this] { goBack(m_settings); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_settings.nextAction(); });

    auto *bar = new QHBoxLayout;
    bar->setSpacing(metrics::defaultSpacing);
    bar->setContentsMargins(0, metrics::defaultPadding, metrics::trailingGap, metrics::defaultPadding);
    bar->addWidget(m_selectAll);
    bar->addStretch();
    bar->addWidget(m_goBack);
    bar->addWidget(m_next);
    return bar;
}

QWidget *ContentView::pageWidget(Page page) const
{
    switch (page) {
    case Page::intro: return m_introPage;
    case Page::license: return m_licensePage;
    case Page::products: return m_productsView;
    case Page::install: return m_selectedProductsView;
    case Page::summary: return m_summaryView;
    }
    return m_introPage;
}

void ContentView::refreshLicenseView(Page page)
{
    if (page != Page::license) {
        delete m_licenseView;
        return;
    }
    if (m_licenseView)
        return;
    m_licenseView = new TextWithAttributedString(m_document.data(), m_licensePage);
    m_licenseView->setObjectName(QStringLiteral("licenseText"));
    m_licensePage->layout()->addWidget(m_licenseView);
}

void ContentView::refresh()
{
    const Page page = m_settings.currentPage();
    m_pageBar->refresh(page);
    m_title->setText(pageTitle(page));
    if (accessibleDescription() != pageName(page))
        setAccessibleDescription(pageName(page));

    refreshLicenseView(page);
    switch (page) {
    case Page::products: m_productsView->refresh(); break;
    case Page::install: m_selectedProductsView->refresh(); break;
    case Page::summary: m_summaryView->refresh(); break;
    case Page::intro:
    case Page::license: break;
    }
    m_panel->showPage(pageWidget(page));
    if (m_shownPage != page) {
        m_shownPage = page;
        accessibility::exposeShown(pageWidget(page));
    }
    refreshFocus(page);

    const Navigation navigation = navigationFor(page, m_settings.products());
    m_selectAll->setVisible(navigation.selectAllPresent);
    m_selectAll->setEnabled(navigation.selectAllEnabled);
    m_goBack->setEnabled(navigation.goBackEnabled);
    m_next->setText(navigation.forwardLabel == ForwardLabel::close ? tr("Close") : tr("Next"));
    m_next->setEnabled(navigation.forwardEnabled);
}

void ContentView::refreshFocus(Page page)
{
    const Overlay overlay = m_alertView->shownOverlay();
    const bool arrived = page != m_focusedPage;
    // "Read License" closes the alert so the license can be read: the
    // license, not the button that raised the alert, takes the focus.
    const bool backToLicense =
        page == Page::license && m_overlayBefore == Overlay::licenseAlert && overlay == Overlay::none;
    m_overlayBefore = overlay;
    // An overlay keeps the focus while it is up; the page takes it when the
    // overlay has gone. A screen reader ignores a focus in a window that is
    // not active yet, so the first page waits for the window's activation.
    if (overlay != Overlay::none || !(arrived || backToLicense) || !isActiveWindow())
        return;
    m_focusedPage = page;
    // On the next turn, once the page is laid out: a screen reader reads the
    // focused text's line from its layout.
    QMetaObject::invokeMethod(
        this,
        [this, page, name = arrivalFocus(page, m_settings.products())] {
            // A button held down loses its click when the focus leaves it,
            // and the window's activation often comes with the user's first
            // click: what the user presses goes first.
            if (m_alertView->shownOverlay() != Overlay::none || m_settings.currentPage() != page
                || QGuiApplication::mouseButtons() != Qt::NoButton)
                return;
            QWidget *target = findChild<QWidget *>(name);
            if (!target || !target->isVisible() || !target->isEnabled())
                target = m_next;
            target->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void ContentView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshFocus(m_settings.currentPage());
}

void ContentView::keyPressEvent(QKeyEvent *event)
{
    // Keys reach this view when the focused control has not used them, as
    // buttons and read-only texts leave Return and Escape.
    const std::optional<ConventionKey> key = conventionKey(event->key(), event->modifiers());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
    if (focused && !isAncestorOf(focused))
        focused = nullptr;
    const KeyTarget target =
        keyTarget(*key, m_alertView->shownOverlay(), focused ? FocusKind::button : FocusKind::other);
    QAbstractButton *button = nullptr;
    if (target.kind == KeyTarget::Kind::focusedButton) {
        button = focused;
    } else if (target.kind == KeyTarget::Kind::namedButton) {
        // An overlay that has just gone may still exist, hidden, until it is
        // deleted; only what is on screen counts.
        for (QAbstractButton *candidate : findChildren<QAbstractButton *>(target.button))
            if (candidate->isVisible())
                button = candidate;
    }
    if (button && button->isVisible() && button->isEnabled())
        button->click();
    else
        QWidget::keyPressEvent(event);
}
