#include "uitest.h"

#include "ui/keyconventions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

TEST(KeyConventions, ReturnAndEscapeUnmodifiedOnly)
{
    const struct
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<ConventionKey> meaning;
    } rows[] = {
        {Qt::Key_Return, Qt::NoModifier, ConventionKey::confirm},
        {Qt::Key_Enter, Qt::KeypadModifier, ConventionKey::confirm},
        {Qt::Key_Escape, Qt::NoModifier, ConventionKey::backOut},
        {Qt::Key_Return, Qt::ControlModifier, std::nullopt},
        {Qt::Key_Escape, Qt::ShiftModifier, std::nullopt},
        {Qt::Key_Space, Qt::NoModifier, std::nullopt},
        {Qt::Key_Tab, Qt::NoModifier, std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(conventionKey(row.key, row.modifiers), row.meaning) << row.key << " " << int(row.modifiers);
}

// Every overlay with both keys and both kinds of focus.
TEST(KeyConventions, WhatReturnAndEscapePress)
{
    using Kind = KeyTarget::Kind;
    const KeyTarget focused{Kind::focusedButton, {}};
    const KeyTarget nothing{};
    const auto button = [](const char *name) { return KeyTarget{Kind::namedButton, QString::fromLatin1(name)}; };
    const struct
    {
        Overlay overlay;
        KeyTarget confirmOnButton, confirmElsewhere, backOut;
    } rows[] = {
        {Overlay::none, focused, button("nextButton"), nothing},
        {Overlay::licenseAlert, focused, button("agreeButton"), button("readLicenseButton")},
        {Overlay::installConfirmation, focused, button("installButton"), button("cancelInstallButton")},
        // Its Close quits: Escape leaves it up.
        {Overlay::finderAccess, focused, button("openSettingsButton"), nothing},
        {Overlay::logDetails, focused, button("closeLogButton"), button("closeLogButton")},
        {Overlay::installProgress, nothing, nothing, nothing},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(int(row.overlay));
        EXPECT_EQ(keyTarget(ConventionKey::confirm, row.overlay, FocusKind::button), row.confirmOnButton);
        EXPECT_EQ(keyTarget(ConventionKey::confirm, row.overlay, FocusKind::other), row.confirmElsewhere);
        EXPECT_EQ(keyTarget(ConventionKey::backOut, row.overlay, FocusKind::button), row.backOut);
        EXPECT_EQ(keyTarget(ConventionKey::backOut, row.overlay, FocusKind::other), row.backOut);
        for (const FocusKind focus : {FocusKind::button, FocusKind::other}) {
            const QString pressed = keyTarget(ConventionKey::backOut, row.overlay, focus).button;
            EXPECT_NE(pressed, QStringLiteral("disagreeButton"));
            EXPECT_NE(pressed, QStringLiteral("installButton"));
            EXPECT_NE(pressed, QStringLiteral("closeAppButton"));
        }
    }
}

namespace {

void typeKey(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key);
    settle();
}

// The object name of what has the focus, or of the view whose inner text it
// is (the license's).
QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("(none)");
    if (focus->objectName().isEmpty() && focus->parentWidget() && focus->parentWidget()->focusProxy() == focus)
        return focus->parentWidget()->objectName();
    return focus->objectName();
}

} // namespace

// The whole wizard with Return and Escape in the real window: Return on a
// text presses the default, on a focused button that button; Escape backs
// out of the alerts.
TEST(KeyConventions, ReturnAndEscapeThroughTheWizard)
{
    WindowUnderTest window;
    window.view->activateWindow();
    settle();
    EXPECT_EQ(focusName(), QStringLiteral("welcomeText"));
    typeKey(Qt::Key_Return);
    ASSERT_EQ(window.settings->currentPage(), Page::license);
    EXPECT_EQ(focusName(), QStringLiteral("licenseText"));

    typeKey(Qt::Key_Escape);
    EXPECT_FALSE(window.settings->showLicenseAlert()) << "Escape on a page does nothing";
    typeKey(Qt::Key_Return);
    ASSERT_TRUE(window.settings->showLicenseAlert());
    typeKey(Qt::Key_Escape);
    EXPECT_FALSE(window.settings->showLicenseAlert()) << "Escape is Read License";
    EXPECT_EQ(window.settings->currentPage(), Page::license);
    EXPECT_EQ(focusName(), QStringLiteral("licenseText")) << "Read License gives the license the focus";

    typeKey(Qt::Key_Return);
    ASSERT_TRUE(window.settings->showLicenseAlert());
    typeKey(Qt::Key_Return);
    ASSERT_EQ(window.settings->currentPage(), Page::products) << "Return on the alert agrees";
    EXPECT_EQ(focusName(), QStringLiteral("productRow:Softhaze 3"));

    // Return on a check box toggles it, like Space.
    typeKey(Qt::Key_Return);
    EXPECT_FALSE(window.settings->products().at(window.bundle.productKey(QStringLiteral("Softhaze 3"))));
    EXPECT_EQ(window.settings->currentPage(), Page::products);
    window.named(QStringLiteral("goBackButton"))->setFocus();
    typeKey(Qt::Key_Return);
    ASSERT_EQ(window.settings->currentPage(), Page::license) << "Return presses the focused Go Back";
    window.goTo(Page::install);
    settle();
    EXPECT_EQ(focusName(), QStringLiteral("selectedRow:Softhaze 4"));

    typeKey(Qt::Key_Return);
    ASSERT_TRUE(window.settings->showPermanentlyAlert());
    typeKey(Qt::Key_Escape);
    EXPECT_FALSE(window.settings->showPermanentlyAlert()) << "Escape is Cancel, never Install";
    EXPECT_TRUE(window.world.scriptsRun.isEmpty());

    window.settings->setCompletedWithErrors(true);
    window.settings->setCurrentPage(Page::summary);
    settle();
    EXPECT_EQ(focusName(), QStringLiteral("summaryMessage"));
    window.named<QAbstractButton>(QStringLiteral("detailsLink"))->setFocus();
    typeKey(Qt::Key_Return);
    ASSERT_TRUE(window.settings->showLogDetailsWindow());
    typeKey(Qt::Key_Escape);
    EXPECT_FALSE(window.settings->showLogDetailsWindow()) << "Escape closes the log window";
    EXPECT_EQ(window.world.terminateCalls, 0);
    window.named(QStringLiteral("summaryMessage"))->setFocus();
    typeKey(Qt::Key_Return);
    EXPECT_EQ(window.world.terminateCalls, 1) << "Return on the summary is Close";
}
