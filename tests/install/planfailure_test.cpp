#include "installworld.h"

#include "catalogue/filename.h"
#include "install/installscript.h"
#include "platform/linesink.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace hosttesting;

namespace {

struct PlanFailureRow
{
    const char *name;
    QString elevation; // empty: the helper runs directly
    bool blockMakerFolder = false;
    bool installs = true;
};

void PrintTo(const PlanFailureRow &row, std::ostream *out) { *out << row.name; }

class PlanFailure : public ::testing::TestWithParam<PlanFailureRow>
{
};

} // namespace

// Products that vanished or cannot be named in a script between the products
// page and Install do not stop the others, but the run ends as a failure
// whose log names each of them, followed by the script's own message when it
// failed too. A dismissed prompt still changes nothing.
TEST_P(PlanFailure, TheOthersInstallAndTheRunFailsNamingEachProduct)
{
    const PlanFailureRow row = GetParam();
    InstallWorld world;
    TempFolder resources;
    world.resourceFolder = resources.path();
    if (!row.elevation.isEmpty())
        world.options = elevatedBy(row.elevation);
    if (row.blockMakerFolder)
        world.root.writeFile(QStringLiteral("opt/Veltrano"), "a file where the maker's folder goes");
    resources.writeFile(QStringLiteral("Products/Kept/Kept Plug-in/payload.txt"), "kept");
    resources.writeFile(QStringLiteral("Products/Gone/Gone Plug-in/payload.txt"), "gone");
    resources.writeFile(QStringLiteral("Products/Mixed/Fine Plug-in/payload.txt"), "fine");
    const QByteArray products = QFile::encodeName(resources(QStringLiteral("Products")));
    for (const char *folder : {"/Caf\xe9", "/Caf\xe9/Latin-1 Plug-in", "/Mixed/Bad\xff Plug-in"})
        ASSERT_EQ(mkdir(QByteArray(products + folder).constData(), 0755), 0);

    AppSettings settings(world.environment());
    settings.refreshProducts();
    settings.setCurrentPage(Page::install);
    ASSERT_EQ(settings.products().size(), 4u);
    ASSERT_TRUE(QDir(resources(QStringLiteral("Products/Gone"))).removeRecursively());

    linesink::Capture output;
    settings.installSelectedProducts();
    applyOutcome();

    const QString root = resources(QStringLiteral("Products"));
    const QStringList failures{
        QStringLiteral("cannot install %1/Caf\\xE9: its name is not valid UTF-8").arg(root),
        QStringLiteral("cannot list %1/Gone: No such file or directory").arg(root),
        QStringLiteral("cannot install %1/Mixed/Bad\\xFF Plug-in: its name is not valid UTF-8").arg(root),
    };
    const QString script = installscript::compose(
        world.targets(), {root + QStringLiteral("/Kept/Kept Plug-in"), root + QStringLiteral("/Mixed/Fine Plug-in")});
    QStringList lines;
    for (const QString &failure : failures)
        lines.append(QStringLiteral("Fail__ ") + failure);
    lines.append(QStringLiteral("SCRIPT -- ") + script);
    ASSERT_GE(output.lines().size(), lines.size());
    EXPECT_EQ(output.lines().mid(0, lines.size()), lines);

    const QString maker = world.applications() + QStringLiteral("/Veltrano/");
    EXPECT_EQ(QFile::exists(maker + QStringLiteral("Kept Plug-in/payload.txt")), row.installs);
    EXPECT_EQ(QFile::exists(maker + QStringLiteral("Fine Plug-in/payload.txt")), row.installs);
    if (row.elevation == u"exit 126") {
        EXPECT_EQ(output.lines().size(), lines.size());
        EXPECT_EQ(settings.currentPage(), Page::install);
        EXPECT_FALSE(settings.completedWithErrors());
        EXPECT_EQ(settings.logDetailsStr(), QString());
        return;
    }
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_TRUE(settings.completedWithErrors());
    const QString log = settings.logDetailsStr();
    if (row.blockMakerFolder) {
        EXPECT_TRUE(log.startsWith(failures.join(u'\n') + u'\n')) << log.toStdString();
        EXPECT_TRUE(log.endsWith(QStringLiteral("File exists")) || log.endsWith(QStringLiteral("Not a directory")))
            << log.toStdString();
    } else {
        EXPECT_EQ(log, failures.join(u'\n'));
        EXPECT_EQ(output.lines().value(lines.size()), QStringLiteral("ERROR VALUE Ok"));
    }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, PlanFailure,
                         ::testing::Values(PlanFailureRow{"scriptSucceeds", {}, false, true},
                                           PlanFailureRow{"scriptFailsToo", {}, true, false},
                                           PlanFailureRow{"promptDismissed", QStringLiteral("exit 126"), false, false}),
                         [](const auto &info) { return std::string(info.param.name); });
