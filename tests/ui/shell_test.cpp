#include "uitest.h"

#include "app/appdelegate.h"
#include "app/installerapp.h"
#include "app/lightappearance.h"
#include "app/menutrimming.h"
#include "ui/productrow.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct MenuRow
{
    QStringList before;
    QStringList after;
};

class MenuTrimming : public ::testing::TestWithParam<MenuRow>
{
};

QStringList titles(const QMenuBar &bar)
{
    QStringList result;
    for (const QAction *action : bar.actions())
        result.append(action->text());
    return result;
}

// Makes the application palette dark, as a dark desktop would, for the life
// of the object.
class DarkDesktop
{
public:
    DarkDesktop()
    {
        QPalette dark(QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
    }
    ~DarkDesktop()
    {
        QApplication::setPalette(m_saved);
        QApplication::setStyle(m_savedStyle);
    }

private:
    QPalette m_saved = QApplication::palette();
    QString m_savedStyle = QApplication::style()->name();
};

} // namespace

TEST_P(MenuTrimming, RemovesTheFirstFileEditAndViewMenusOnly)
{
    QMenuBar bar;
    for (const QString &title : GetParam().before)
        bar.addMenu(title);
    trimMenuBar(bar);
    EXPECT_EQ(titles(bar), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, MenuTrimming,
    ::testing::Values(
        MenuRow{{"File", "Edit", "View", "Window", "Help"}, {"Window", "Help"}},
        MenuRow{{"Edit", "View", "Help"}, {"Help"}},
        // Only the first of two equal titles goes.
        MenuRow{{"File", "File", "View", "View"}, {"File", "View"}},
        // Exact and case-sensitive: other spellings and languages stay.
        MenuRow{{"file", "EDIT", "Views", "Datei", "Ansicht"}, {"file", "EDIT", "Views", "Datei", "Ansicht"}},
        // A mnemonic marker is not part of the title the user sees.
        MenuRow{{"&File", "E&dit", "&&View", "Help"}, {"&&View", "Help"}},
        MenuRow{{}, {}}));

TEST(MenuTrimming, ReachesTheMenuBarOfAWindowAndLeavesAWindowWithoutOne)
{
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.menuBar()->addMenu(QStringLiteral("Help"));
    trimWindowMenus(window);
    EXPECT_EQ(titles(*window.menuBar()), QStringList{QStringLiteral("Help")});

    QWidget plain;
    trimWindowMenus(plain);
    EXPECT_TRUE(plain.findChildren<QMenuBar *>().isEmpty());
}

TEST(LightAppearance, StaysLightOnADarkDesktop)
{
    const DarkDesktop dark;
    applyLightAppearance();
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const QPalette palette = QApplication::palette();
    EXPECT_GT(palette.color(QPalette::Window).lightness(), 200);
    EXPECT_GT(palette.color(QPalette::Base).lightness(), 240);
    EXPECT_LT(palette.color(QPalette::WindowText).lightness(), 40);
    EXPECT_LT(palette.color(QPalette::Text).lightness(), 40);
    EXPECT_LT(palette.color(QPalette::ButtonText).lightness(), 40);

    // The window's own colours: gray 241 behind black text.
    WindowUnderTest window;
    const QImage image = window.view->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, image.height() - 2), QColor(241, 241, 241));
    EXPECT_EQ(window.view->palette().color(QPalette::WindowText), QColor(Qt::black));
}

namespace {

// The application over a bundle of its own, with a recorded quit request.
struct AppUnderTest
{
    explicit AppUnderTest(const QStringList &products)
        : bundle(products)
    {
        world.resourceFolder = bundle.folder.path();
    }

    TestBundle bundle;
    FakeWorld world;
};

} // namespace

TEST(InstallerApp, DiscoversTheProductsBeforeTheWindowIsFirstShown)
{
    AppUnderTest under({QStringLiteral("Softhaze 3"), QStringLiteral("Softhaze 4")});
    InstallerApp app(*qApp, under.world.environment());
    EXPECT_EQ(app.settings().products().size(), 2U);
    app.show();
    EXPECT_EQ(app.window().size(), QSize(648, 405));
    app.settings().setAgreeWithTerms(true);
    app.settings().setCurrentPage(Page::products);
    settle();
    EXPECT_EQ(listedProducts(app.window()), (QStringList{QStringLiteral("Softhaze 3"), QStringLiteral("Softhaze 4")}));
}

// Wayland's client-side decorations draw the window's own title, with no
// fallback to the application's name as X11 window managers have.
TEST(InstallerApp, TheWindowCarriesItsTitleItself)
{
    AppUnderTest under({QStringLiteral("Softhaze 3")});
    InstallerApp app(*qApp, under.world.environment());
    app.show();
    EXPECT_EQ(app.window().windowTitle(), QStringLiteral("Veltrano Installer"));
}

// The platform reports the last window closing only while the event loop runs.
TEST(InstallerApp, ClosingTheWindowAsksToQuit)
{
    AppUnderTest under({QStringLiteral("Softhaze 3")});
    AppEnvironment environment = under.world.environment();
    int quitRequests = 0;
    environment.terminate = [&quitRequests] {
        ++quitRequests;
        QCoreApplication::exit(0);
    };
    InstallerApp app(*qApp, environment);
    app.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.window()));

    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    QTimer::singleShot(0, &app.window(), [&app] { app.window().close(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(quitRequests, 1);
}

// A quit request made before the event loop runs (during start-up) must
// still end the loop once it starts.
TEST(InstallerApp, AQuitRequestedBeforeTheEventLoopRunsEndsIt)
{
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(30000);

    AppEnvironment::system().terminate();
    const int code = QCoreApplication::exec();
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(code, 0);
}

TEST(InstallerApp, TheSummarysCloseEndsTheEventLoop)
{
    AppUnderTest under({QStringLiteral("Softhaze 3")});
    AppEnvironment environment = under.world.environment();
    environment.terminate = AppEnvironment::system().terminate;
    InstallerApp app(*qApp, environment);
    app.show();
    app.settings().setAgreeWithTerms(true);
    app.settings().setCurrentPage(Page::summary);
    settle();

    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    QTimer::singleShot(0, [&app] {
        QTest::mouseClick(app.window().findChild<QWidget *>(QStringLiteral("nextButton")), Qt::LeftButton);
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}
