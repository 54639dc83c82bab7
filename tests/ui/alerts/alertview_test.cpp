#include "alertfixture.h"

#include "ui/alerts/alertcard.h"
#include "ui/alerts/alertmetrics.h"
#include "ui/alerts/overlayframe.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

void raiseLicense(AppSettings &s)
{
    s.setCurrentPage(Page::license);
    s.setShowLicenseAlert(true);
}

} // namespace

using AlertView_ = AlertFixture;

TEST_F(AlertView_, HiddenAndClickThroughWithoutOverlay)
{
    settle();
    EXPECT_EQ(alerts->shownOverlay(), Overlay::none);
    EXPECT_FALSE(alerts->isVisible());
    QSignalSpy clicked(pageButton, &QPushButton::clicked);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, pageButton->geometry().center());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(AlertView_, FollowsTheStateOnTheNextTurnOnly)
{
    raiseLicense(settings);
    // The announcement came before the store; nothing is decided yet.
    EXPECT_EQ(alerts->shownOverlay(), Overlay::none);
    settle();
    EXPECT_EQ(alerts->shownOverlay(), Overlay::licenseAlert);
    EXPECT_TRUE(alerts->isVisible());
    EXPECT_EQ(alerts->geometry(), window->rect());
}

TEST_F(AlertView_, ChangesWithinOneTurnAreLookedAtOnce)
{
    raiseLicense(settings);
    settings.setShowLicenseAlert(false);
    settle();
    EXPECT_EQ(alerts->shownOverlay(), Overlay::none);
    EXPECT_TRUE(alerts->findChildren<OverlayFrame *>().isEmpty()) << "no overlay was built for a passing state";
}

TEST_F(AlertView_, OverlayTakesEveryPointerEventFromThePage)
{
    raiseLicense(settings);
    settle();
    QSignalSpy clicked(pageButton, &QPushButton::clicked);
    // A corner of the page outside the card, and the page's middle under it.
    for (const QPoint at : {QPoint(20, 380), window->rect().center(), QPoint(640, 10)}) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(settings.currentPage(), Page::license);

    settings.setShowLicenseAlert(false);
    settle();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(20, 380));
    EXPECT_EQ(clicked.count(), 1) << "the page is usable again once the overlay is gone";
}

TEST_F(AlertView_, OverlayTakesTheFocusAndKeepsTabInside)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    pageField->setFocus();
    ASSERT_TRUE(pageField->hasFocus());

    raiseLicense(settings);
    settle();
    EXPECT_FALSE(pageField->hasFocus());
    ASSERT_TRUE(alerts->isAncestorOf(QApplication::focusWidget()));

    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        ASSERT_TRUE(alerts->isAncestorOf(focus)) << "Tab left the overlay at step " << i;
        visited << focus->objectName();
    }
    EXPECT_TRUE(visited.contains(QStringLiteral("readLicenseButton")));
    EXPECT_TRUE(visited.contains(QStringLiteral("disagreeButton")));
    EXPECT_TRUE(visited.contains(QStringLiteral("agreeButton")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(alerts->isAncestorOf(QApplication::focusWidget()));

    // Keys typed while the overlay is up do not reach the page.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    EXPECT_TRUE(pageField->text().isEmpty());
}

TEST_F(AlertView_, CoversTheParentWhenItIsResized)
{
    raiseLicense(settings);
    settle();
    window->resize(1000, 700);
    settle();
    EXPECT_EQ(alerts->geometry(), QRect(0, 0, 1000, 700));
    auto *frame = alerts->findChild<OverlayFrame *>(QStringLiteral("overlayFrame"));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 1000, 700));
    EXPECT_EQ(frame->card()->geometry().center(), QRect(0, 0, 1000, 700).center());
}

TEST_F(AlertView_, BackdropIsTheStandardGrayAtOpacity065)
{
    raiseLicense(settings);
    settle();
    // A white page makes the blend easy to predict.
    QPalette white = window->palette();
    white.setColor(QPalette::Window, Qt::white);
    window->setPalette(white);
    window->setAutoFillBackground(true);
    pageButton->hide();
    pageField->hide();
    const QImage picture = window->grab().toImage();
    const QColor gray(Qt::gray);
    const QColor seen = picture.pixelColor(3, 3);
    const auto blend = [](int under, int over) { return qRound(under * 0.35 + over * 0.65); };
    EXPECT_NEAR(seen.red(), blend(255, gray.red()), 2);
    EXPECT_NEAR(seen.green(), blend(255, gray.green()), 2);
    EXPECT_NEAR(seen.blue(), blend(255, gray.blue()), 2);
}

TEST_F(AlertView_, LeavingTheOverlayGivesNoOldButtonsBack)
{
    raiseLicense(settings);
    settle();
    QPointer<QPushButton> agree = button("agreeButton");
    ASSERT_TRUE(agree);
    settings.setShowLicenseAlert(false);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(agree) << "the old overlay is destroyed";
    EXPECT_FALSE(alerts->isVisible());
}

namespace {

struct CardRow
{
    const char *name;
    void (*raise)(AppSettings &);
    Overlay overlay;
    QSize limit;
    QColor color;
    std::vector<const char *> buttons;
};

class OverlayCards : public AlertFixture, public ::testing::WithParamInterface<CardRow>
{
};

const CardRow cardRows[] = {
    {"license", raiseLicense, Overlay::licenseAlert, {500, 180}, Qt::white,
     {"readLicenseButton", "disagreeButton", "agreeButton"}},
    {"install",
     [](AppSettings &s) {
         s.setCurrentPage(Page::install);
         s.setShowPermanentlyAlert(true);
     },
     Overlay::installConfirmation, {280, 110}, Qt::white, {"cancelInstallButton", "installButton"}},
    {"finder",
     [](AppSettings &s) {
         s.setCurrentPage(Page::install);
         s.setShowFinderAlert(true);
     },
     Overlay::finderAccess, {500, 150}, Qt::white, {"closeAppButton", "openSettingsButton"}},
    {"log",
     [](AppSettings &s) {
         s.setCurrentPage(Page::summary);
         s.setShowLogDetailsWindow(true);
     },
     Overlay::logDetails, {500, 400}, QColor(241, 241, 241), {"copyLogButton", "closeLogButton"}},
};

const char *allButtons[] = {"readLicenseButton", "disagreeButton", "agreeButton",    "cancelInstallButton",
                            "installButton",     "closeAppButton", "openSettingsButton", "copyLogButton",
                            "closeLogButton"};

} // namespace

TEST_P(OverlayCards, ShowsItsOwnButtonsOnly)
{
    const CardRow &row = GetParam();
    row.raise(settings);
    settle();
    EXPECT_EQ(alerts->shownOverlay(), row.overlay);
    for (const char *name : allButtons) {
        const bool expected = std::find_if(row.buttons.begin(), row.buttons.end(), [name](const char *b) {
                                  return qstrcmp(b, name) == 0;
                              }) != row.buttons.end();
        EXPECT_EQ(button(name) != nullptr, expected) << name;
    }
    for (const char *name : row.buttons) {
        QPushButton *b = button(name);
        ASSERT_TRUE(b) << name;
        EXPECT_FALSE(b->isDefault() || b->autoDefault()) << name << " must not answer the Return key";
        EXPECT_TRUE(b->shortcut().isEmpty()) << name;
    }
}

TEST_P(OverlayCards, RoundedRectangleReachesItsLimitInALargeWindowAndStaysCentred)
{
    const CardRow &row = GetParam();
    for (const QSize size : {QSize(648, 405), QSize(1000, 700)}) {
        window->resize(size);
        row.raise(settings);
        settle();
        auto *frame = alerts->findChild<OverlayFrame *>(QStringLiteral("overlayFrame"));
        ASSERT_TRUE(frame);
        AlertCard *card = frame->card();
        const QRect rectangle = card->roundedRectangle().translated(card->pos());
        SCOPED_TRACE(size.width());
        const int spacing = alertmetrics::defaultSpacing;
        const QSize expected = row.limit.boundedTo(size - QSize(2 * spacing, 2 * spacing));
        EXPECT_EQ(rectangle.size(), expected);
        EXPECT_LE(std::abs(rectangle.center().x() - size.width() / 2), 1);
        EXPECT_LE(std::abs(rectangle.center().y() - size.height() / 2), 1);
        EXPECT_EQ(card->color(), row.color);
        // The card is painted: its middle shows the card colour, a corner
        // just outside the rounded edge shows the backdrop.
        const QImage picture = window->grab().toImage();
        EXPECT_EQ(picture.pixelColor(rectangle.center().x(), rectangle.top() + 2), row.color);
        EXPECT_NE(picture.pixelColor(rectangle.topLeft()), row.color);
    }
}

TEST_P(OverlayCards, ShrinksCentredInANarrowWindowWithEveryButtonInside)
{
    const CardRow &row = GetParam();
    window->resize(360, 260);
    row.raise(settings);
    settle();
    auto *frame = alerts->findChild<OverlayFrame *>(QStringLiteral("overlayFrame"));
    ASSERT_TRUE(frame);
    AlertCard *card = frame->card();
    const QRect inWindow(card->mapTo(window.get(), QPoint(0, 0)), card->size());
    EXPECT_LE(inWindow.width(), 360 - 2 * alertmetrics::defaultSpacing);
    EXPECT_TRUE(window->rect().contains(inWindow));
    EXPECT_LE(std::abs(inWindow.center().x() - 180), 1);
    for (const char *name : row.buttons) {
        QPushButton *b = button(name);
        ASSERT_TRUE(b);
        const QRect at(b->mapTo(window.get(), QPoint(0, 0)), b->size());
        EXPECT_TRUE(inWindow.contains(at)) << name << " sticks out of the card";
    }
    for (QLabel *label : card->findChildren<QLabel *>()) {
        EXPECT_TRUE(label->wordWrap()) << qPrintable(label->text());
        EXPECT_LE(label->width(), card->width()) << qPrintable(label->text());
        EXPECT_GE(label->height(), label->heightForWidth(label->width()) - 1) << "wrapped text is cut off";
    }
}

INSTANTIATE_TEST_SUITE_P(Overlays, OverlayCards, ::testing::ValuesIn(cardRows),
                         [](const ::testing::TestParamInfo<CardRow> &info) { return std::string(info.param.name); });

namespace {

enum class Face { standard, regular13, bold13 };

struct TextRow
{
    const char *name;
    void (*raise)(AppSettings &);
    // Every text the overlay shows, in order, with its face; then the
    // button labels, leading to trailing.
    std::vector<std::pair<QString, Face>> texts;
    QStringList labels;
};

class OverlayTexts : public AlertFixture, public ::testing::WithParamInterface<TextRow>
{
};

const TextRow textRows[] = {
    {"license",
     raiseLicense,
     {{QStringLiteral("To continue using the software you must agree to the terms of the software license agreement."),
       Face::bold13},
      {QStringLiteral("Click Agree to continue or click Disagree to cancel and quit the Installer."), Face::regular13}},
     {QStringLiteral("Read License"), QStringLiteral("Disagree"), QStringLiteral("Agree")}},
    {"install", cardRows[1].raise,
     {{QStringLiteral("Click \"Install\" button to complete the installation."), Face::bold13}},
     {QStringLiteral("Cancel"), QStringLiteral("Install")}},
    {"finder", cardRows[2].raise,
     {{QStringLiteral("To make changes with Installer please allow Finder access from Settings"), Face::standard}},
     {QStringLiteral("Close"), QStringLiteral("Open settings")}},
    // The log itself is shown in a text area of its own, not a label.
    {"log", cardRows[3].raise, {},
     {QStringLiteral("Copy to Clipboard"), QStringLiteral("Close")}},
};

} // namespace

TEST_P(OverlayTexts, ExactWordsFacesAndButtonOrder)
{
    const TextRow &row = GetParam();
    row.raise(settings);
    settle();
    auto *frame = alerts->findChild<OverlayFrame *>(QStringLiteral("overlayFrame"));
    ASSERT_TRUE(frame);

    QList<QLabel *> labels = frame->findChildren<QLabel *>();
    std::sort(labels.begin(), labels.end(),
              [](QLabel *a, QLabel *b) { return a->mapToGlobal(QPoint()).y() < b->mapToGlobal(QPoint()).y(); });
    ASSERT_EQ(labels.size(), qsizetype(row.texts.size()));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const auto &[text, face] = row.texts[std::size_t(i)];
        EXPECT_EQ(labels[i]->text(), text);
        const QFont font = labels[i]->font();
        switch (face) {
        case Face::standard:
            EXPECT_EQ(font, QApplication::font(labels[i]));
            break;
        case Face::regular13:
        case Face::bold13:
            EXPECT_EQ(font.pixelSize(), 13) << qPrintable(text);
            EXPECT_EQ(font.bold(), face == Face::bold13) << qPrintable(text);
            break;
        }
    }

    QList<QPushButton *> buttons = frame->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) {
        return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
    });
    QStringList seen;
    for (QPushButton *b : buttons)
        seen << b->text();
    EXPECT_EQ(seen, row.labels);
}

INSTANTIATE_TEST_SUITE_P(Overlays, OverlayTexts, ::testing::ValuesIn(textRows),
                         [](const ::testing::TestParamInfo<TextRow> &info) { return std::string(info.param.name); });
