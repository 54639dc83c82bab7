#include "alertfixture.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QTest>

namespace {

QString readReport(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(GeometryReport, ListsPageOverlayAndWhereEachVisibleButtonIs)
{
    TempFolder folder;
    const QString path = folder(QStringLiteral("geometry.txt"));
    qputenv("VELTRANO_DEBUG_GEOMETRY", path.toLocal8Bit());
    FakeWorld world;
    AppSettings settings(world.environment());
    QWidget window;
    window.resize(648, 405);
    auto *hidden = new QPushButton(QStringLiteral("Hidden"), &window);
    hidden->hide();
    auto *alerts = new AlertView(settings, &window);
    qunsetenv("VELTRANO_DEBUG_GEOMETRY");
    window.show();
    settings.setCurrentPage(Page::license);
    settings.setShowLicenseAlert(true);

    ASSERT_TRUE(QTest::qWaitFor([&] { return readReport(path).contains(QLatin1String("agreeButton")); }, 30000));
    const QStringList lines = readReport(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QStringLiteral("page\tlicense")));
    EXPECT_TRUE(lines.contains(QStringLiteral("overlay\tlicenseAlert")));
    auto *agree = alerts->findChild<QPushButton *>(QStringLiteral("agreeButton"));
    ASSERT_TRUE(agree);
    const QPoint at = agree->mapToGlobal(QPoint(0, 0));
    EXPECT_TRUE(lines.contains(QStringLiteral("button\tAgree\tagreeButton\t1\t%1 %2 %3 %4")
                                   .arg(at.x())
                                   .arg(at.y())
                                   .arg(agree->width())
                                   .arg(agree->height())))
        << qPrintable(lines.join(QLatin1Char('\n')));
    EXPECT_FALSE(readReport(path).contains(QLatin1String("Hidden")));
}

TEST(GeometryReport, WritesNothingWithoutTheVariable)
{
    FakeWorld world;
    AppSettings settings(world.environment());
    QWidget window;
    new AlertView(settings, &window);
    window.show();
    EXPECT_TRUE(window.findChildren<QTimer *>().isEmpty());
}
