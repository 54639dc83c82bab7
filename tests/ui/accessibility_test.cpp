// What assistive technology finds in the window, asked through Qt's own
// accessibility interfaces, as a screen reader's bridge asks them.

#include "uitest.h"

#include "ui/alerts/overlaychoice.h"
#include "ui/pagetexts.h"
#include "ui/productrow.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

QAccessibleInterface *interfaceOf(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

// Every interface reachable from `root` by walking children, as a bridge does.
void collect(QAccessibleInterface *root, QList<QAccessibleInterface *> &out)
{
    out.append(root);
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i))
            collect(child, out);
    }
}

QList<QAccessibleInterface *> tree(const WindowUnderTest &window)
{
    QList<QAccessibleInterface *> all;
    collect(interfaceOf(window.view.get()), all);
    return all;
}

QWidget *widgetOf(QAccessibleInterface *iface) { return qobject_cast<QWidget *>(iface->object()); }

struct Control
{
    const char *object;
    QAccessible::Role role;
    QString name;
    bool enabled = true;
    std::optional<bool> checked = std::nullopt;
};

struct PageRow
{
    const char *name;
    Page page;
    bool failed;
    std::vector<Control> controls;
};

class PageToAssistiveTechnology : public ::testing::TestWithParam<PageRow>
{
};

const auto button = QAccessible::Button;

const PageRow pageRows[] = {
    {"intro",
     Page::intro,
     false,
     {{"nextButton", button, QStringLiteral("Next")},
      {"goBackButton", button, QStringLiteral("Go Back"), false},
      {"welcomeText", QAccessible::StaticText,
       QStringLiteral("You will be guided through the steps necessary to use this software.")},
      {"logo", QAccessible::Graphic, QStringLiteral("Veltrano")}}},
    {"license", Page::license, false, {{"goBackButton", button, QStringLiteral("Go Back")}}},
    {"products",
     Page::products,
     false,
     {{"productRow:Softhaze 3", QAccessible::CheckBox, QStringLiteral("Softhaze 3"), true, false},
      {"productRow:Softhaze 4", QAccessible::CheckBox, QStringLiteral("Softhaze 4"), true, true},
      {"selectAllButton", button, QStringLiteral("Select All")}}},
    {"install", Page::install, false, {{"nextButton", button, QStringLiteral("Next")}}},
    {"success",
     Page::summary,
     false,
     {{"summaryIcon", QAccessible::Graphic, QStringLiteral("Success")},
      {"nextButton", button, QStringLiteral("Close")},
      {"goBackButton", button, QStringLiteral("Go Back"), false}}},
    {"failure",
     Page::summary,
     true,
     {{"summaryIcon", QAccessible::Graphic, QStringLiteral("Failed")},
      {"detailsLink", button, QStringLiteral("Details")}}},
};

} // namespace

// The window is a frame named after the program whose description is the
// page; every control has a role, a name and its states; the page bar tells
// the current page; the texts can be read with a caret; nothing unnamed is
// announced.
TEST_P(PageToAssistiveTechnology, RolesNamesAndStates)
{
    const PageRow &row = GetParam();
    WindowUnderTest window;
    ProductMap products = window.settings->products();
    products[window.bundle.productKey(QStringLiteral("Softhaze 3"))] = false;
    window.settings->setProducts(products);
    window.settings->setCompletedWithErrors(row.failed);
    window.goTo(row.page);

    QAccessibleInterface *frame = interfaceOf(window.view.get());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), QStringLiteral("Veltrano Installer"));
    EXPECT_EQ(frame->text(QAccessible::Description), pageName(row.page));

    const QList<QAccessibleInterface *> reachable = tree(window);
    for (const Control &control : row.controls) {
        QWidget *widget = window.named(QString::fromUtf8(control.object));
        ASSERT_TRUE(widget) << control.object;
        QAccessibleInterface *iface = interfaceOf(widget);
        EXPECT_TRUE(reachable.contains(iface)) << control.object;
        EXPECT_EQ(iface->role(), control.role) << control.object;
        EXPECT_EQ(iface->text(QAccessible::Name), control.name) << control.object;
        EXPECT_EQ(!iface->state().disabled, control.enabled) << control.object;
        if (control.checked) {
            EXPECT_TRUE(iface->state().checkable) << control.object;
            EXPECT_EQ(bool(iface->state().checked), *control.checked) << control.object;
        }
    }

    // Each page row is one item, selected and named the current page only
    // while current.
    for (const Page page : allPages) {
        QAccessibleInterface *item = interfaceOf(window.named(QStringLiteral("pageRow:") + pageBarLabel(page)));
        EXPECT_TRUE(reachable.contains(item));
        EXPECT_EQ(item->role(), QAccessible::ListItem);
        EXPECT_EQ(item->text(QAccessible::Name),
                  page == row.page ? pageBarLabel(page) + QStringLiteral(", current page") : pageBarLabel(page));
        EXPECT_EQ(item->childCount(), 0);
        EXPECT_EQ(bool(item->state().selected), page == row.page) << pageBarLabel(page).toStdString();
    }

    for (QAccessibleInterface *iface : reachable) {
        const QAccessible::State state = iface->state();
        // The summary's title is empty by design; it keeps its line.
        if (state.invisible || iface->object()->objectName() == QLatin1String("pageTitle"))
            continue;
        const QString what = QString::fromLatin1(iface->object()->metaObject()->className()) + QLatin1Char(' ')
                             + iface->object()->objectName();
        // A text that takes the focus is read with its caret.
        if (QAccessibleTextInterface *text = iface->textInterface(); text && state.focusable) {
            EXPECT_GT(text->characterCount(), 0) << qPrintable(what);
            continue;
        }
        if (state.focusable || iface->role() == QAccessible::Graphic || iface->role() == QAccessible::StaticText) {
            EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << qPrintable(what) << " has no name";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPage, PageToAssistiveTechnology, ::testing::ValuesIn(pageRows),
                         [](const ::testing::TestParamInfo<PageRow> &info) { return std::string(info.param.name); });

namespace {

struct OverlayRow
{
    const char *name;
    Page page;
    void (*raise)(AppSettings &);
    void (*lower)(AppSettings &);
    QAccessible::Role role;
    QString message;
    QStringList buttons;
};

const OverlayRow overlayRows[] = {
    {"license", Page::license, [](AppSettings &s) { s.setShowLicenseAlert(true); },
     [](AppSettings &s) { s.setShowLicenseAlert(false); }, QAccessible::AlertMessage,
     QStringLiteral("To continue using the software you must agree to the terms of the software license agreement."),
     {QStringLiteral("Read License"), QStringLiteral("Disagree"), QStringLiteral("Agree")}},
    {"install", Page::install, [](AppSettings &s) { s.setShowPermanentlyAlert(true); },
     [](AppSettings &s) { s.setShowPermanentlyAlert(false); }, QAccessible::AlertMessage,
     QStringLiteral("Click \"Install\" button to complete the installation."),
     {QStringLiteral("Cancel"), QStringLiteral("Install")}},
    {"finder", Page::install, [](AppSettings &s) { s.setShowFinderAlert(true); },
     [](AppSettings &s) { s.setShowFinderAlert(false); }, QAccessible::AlertMessage,
     QStringLiteral("To make changes with Installer please allow Finder access from Settings"),
     {QStringLiteral("Close"), QStringLiteral("Open settings")}},
    {"log", Page::summary,
     [](AppSettings &s) {
         s.setCompletedWithErrors(true);
         s.setLogDetailsStr(QStringLiteral("mkdir: /opt/Veltrano: Permission denied"));
         s.setShowLogDetailsWindow(true);
     },
     [](AppSettings &s) { s.setShowLogDetailsWindow(false); }, QAccessible::Dialog,
     QStringLiteral("The installation was not completed successfully."),
     {QStringLiteral("Copy to Clipboard"), QStringLiteral("Close")}},
};

class OverlayToAssistiveTechnology : public ::testing::TestWithParam<OverlayRow>
{
};

} // namespace

// While an overlay is up nothing beneath it can be reached or pressed, by
// keyboard or by assistive technology; its card is announced by its message,
// takes the focus, and gives it back when it goes.
TEST_P(OverlayToAssistiveTechnology, IsModalNamedAndHandsTheFocusBack)
{
    const OverlayRow &row = GetParam();
    WindowUnderTest window;
    window.goTo(row.page);
    window.view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.view.get()));
    QWidget *next = window.named(QStringLiteral("nextButton"));
    next->setFocus();

    row.raise(*window.settings);
    settle();
    QWidget *wizard = window.named(QStringLiteral("wizard"));
    auto *card = window.named(QStringLiteral("overlayFrame"))->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(card);
    QAccessibleInterface *cardIface = interfaceOf(card);
    EXPECT_EQ(cardIface->role(), row.role);
    EXPECT_EQ(cardIface->text(QAccessible::Name), row.message);
    EXPECT_TRUE(cardIface->state().modal);
    EXPECT_EQ(QApplication::focusWidget(), card) << "the focus moves into the overlay";

    QStringList buttons;
    for (QPushButton *b : card->findChildren<QPushButton *>()) {
        EXPECT_FALSE(interfaceOf(b)->state().disabled);
        buttons << interfaceOf(b)->text(QAccessible::Name);
    }
    std::sort(buttons.begin(), buttons.end());
    QStringList expected = row.buttons;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(buttons, expected);

    // Beneath: everything disabled, and every action of every control does
    // nothing at all.
    const Overlay shown = chooseOverlay(overlayFlags(*window.settings));
    QSignalSpy announcements(window.settings.get(), &AppSettings::objectWillChange);
    for (QAccessibleInterface *iface : tree(window)) {
        QWidget *widget = widgetOf(iface);
        if (!widget || !wizard->isAncestorOf(widget))
            continue;
        EXPECT_TRUE(iface->state().disabled) << qPrintable(widget->objectName());
        if (QAccessibleActionInterface *actions = iface->actionInterface()) {
            for (const QString &action : actions->actionNames())
                actions->doAction(action);
        }
    }
    settle();
    EXPECT_EQ(announcements.count(), 0);
    EXPECT_EQ(window.world.terminateCalls, 0);
    EXPECT_EQ(chooseOverlay(overlayFlags(*window.settings)), shown);
    EXPECT_TRUE(card->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == card);

    row.lower(*window.settings);
    settle();
    EXPECT_TRUE(wizard->isEnabled());
    // Read License leaves the alert for the license, which takes the focus;
    // elsewhere the focus returns to where it was.
    const QWidget *license = window.named(QStringLiteral("licenseText"));
    EXPECT_EQ(QApplication::focusWidget(), license ? license->focusProxy() : next) << "the focus returns to the page";
}

INSTANTIATE_TEST_SUITE_P(EveryOverlay, OverlayToAssistiveTechnology, ::testing::ValuesIn(overlayRows),
                         [](const ::testing::TestParamInfo<OverlayRow> &info) { return std::string(info.param.name); });

// Space or a screen reader's Toggle toggles the row, and what assistive technology reads follows
// the state: the row's checked state, and the window's description after a
// page change. (That these changes are also sent to the bridge is seen on
// the real accessibility bus, in tests/e2e; the offscreen platform has no
// bridge to send them to.)
TEST(AccessibilityFollowsTheState, SpaceTogglesTheCheckedStateAndNextChangesTheDescription)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    auto *row = window.named<ProductRow>(QStringLiteral("productRow:Softhaze 3"));
    const QString key = window.bundle.productKey(QStringLiteral("Softhaze 3"));
    row->setFocus();
    for (const bool expected : {false, true}) {
        QTest::keyClick(row, Qt::Key_Space);
        settle();
        EXPECT_EQ(window.settings->products().at(key), expected);
        EXPECT_EQ(bool(interfaceOf(row)->state().checked), expected);
    }
    // A screen reader's Toggle changes the product, not only the box.
    for (const bool expected : {false, true}) {
        interfaceOf(row)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        settle();
        EXPECT_EQ(window.settings->products().at(key), expected);
        EXPECT_EQ(bool(interfaceOf(row)->state().checked), expected);
    }

    window.clickNamed(QStringLiteral("nextButton"));
    EXPECT_EQ(interfaceOf(window.view.get())->text(QAccessible::Description),
              QStringLiteral("The following Products will be installed"));
}

// Select All says what it did by a notification inside the button, which a
// screen reader speaks as it appears (that each press is spoken is heard
// from the real Orca, in tests/e2e). The news goes with the focus, so coming
// back to the button does not repeat it.
TEST(AccessibilityFollowsTheState, SelectAllTellsWhatItDidUntilTheFocusLeaves)
{
    WindowUnderTest window;
    window.goTo(Page::products);
    const QString key = window.bundle.productKey(QStringLiteral("Softhaze 3"));
    ProductMap products = window.settings->products();
    products[key] = false;
    window.settings->setProducts(products);
    window.view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.view.get()));
    auto *selectAll = window.named<QPushButton>(QStringLiteral("selectAllButton"));
    selectAll->setFocus(Qt::TabFocusReason);

    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(selectAll, Qt::Key_Space);
        settle();
        EXPECT_TRUE(window.settings->products().at(key));
        auto *notice = selectAll->findChild<QWidget *>(QStringLiteral("newsNotice"));
        ASSERT_TRUE(notice && notice->isVisible());
        EXPECT_EQ(interfaceOf(notice)->role(), QAccessible::Notification);
        EXPECT_EQ(interfaceOf(notice)->text(QAccessible::Name), QStringLiteral("All products selected"));
    }
    EXPECT_EQ(selectAll->childAt(0, 0), nullptr) << "the notice takes no clicks";

    QTest::keyClick(selectAll, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), selectAll);
    EXPECT_FALSE(selectAll->findChild<QWidget *>(QStringLiteral("newsNotice"))->isVisible());
}

namespace {

struct TabRow
{
    const char *name;
    Page page;
    bool failed;
    QStringList stops;
};

class TabOrder : public ::testing::TestWithParam<TabRow>
{
};

// The object name of a focus stop, or its parent's for an inner view.
QString stopName(const QWidget *widget)
{
    return widget->objectName().isEmpty() && widget->parentWidget() ? widget->parentWidget()->objectName()
                                                                     : widget->objectName();
}

} // namespace

// Tab visits every control of the page in reading order and stops on nothing
// that shows no focus (no scroll area, no plain label).
TEST_P(TabOrder, VisitsEveryControlInOrder)
{
    const TabRow &row = GetParam();
    WindowUnderTest window;
    window.settings->setCompletedWithErrors(row.failed);
    window.goTo(row.page);
    window.view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.view.get()));
    window.named(QStringLiteral("nextButton"))->setFocus();

    QStringList stops;
    for (int i = 0; i < row.stops.size() + 1; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << stopName(QApplication::focusWidget());
    }
    QStringList expected = row.stops;
    expected << row.stops.first();
    EXPECT_EQ(stops, expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, TabOrder,
    ::testing::Values(
        TabRow{"intro", Page::intro, false, {QStringLiteral("welcomeText"), QStringLiteral("nextButton")}},
        TabRow{"license",
               Page::license,
               false,
               {QStringLiteral("licenseText"), QStringLiteral("goBackButton"), QStringLiteral("nextButton")}},
        TabRow{"products",
               Page::products,
               false,
               {QStringLiteral("productRow:Softhaze 3"), QStringLiteral("productRow:Softhaze 4"),
                QStringLiteral("selectAllButton"), QStringLiteral("goBackButton"), QStringLiteral("nextButton")}},
        TabRow{"install",
               Page::install,
               false,
               {QStringLiteral("selectedRow:Softhaze 3"), QStringLiteral("selectedRow:Softhaze 4"),
                QStringLiteral("goBackButton"), QStringLiteral("nextButton")}},
        TabRow{"failure",
               Page::summary,
               true,
               {QStringLiteral("summaryMessage"), QStringLiteral("detailsLink"), QStringLiteral("nextButton")}}),
    [](const ::testing::TestParamInfo<TabRow> &info) { return std::string(info.param.name); });
