#include "installworld.h"

#include "platform/linesink.h"

#include <gtest/gtest.h>

namespace {

QByteArray presetFile(const QString &digit, const QString &installed)
{
    const QString id = digit == u"3" ? QStringLiteral("48C1AC0C-58BB-4E36-82DD-F146866B8164")
                                     : QStringLiteral("E70E900E-6A66-4882-B59A-2B05764B1430");
    return QStringLiteral("s = {id = \"%1\",internalName = \"Veltrano Softhaze %2\",title = \"Veltrano Softhaze %2\","
                          "type = \"ExternalEditor\",value = {\n"
                          "externalEditingFormat = \"TIFF_None_16_ProPhotoRGB\",externalEditingFormat_dpi = 240,"
                          "externalEditorFullPath = \"%3/Softhaze%2.app\",\n"
                          "},version = 0,}\n")
        .arg(id, digit, installed)
        .toUtf8();
}

// The tree an installation of the sample products must leave below the root.
Tree expectedSampleTree(const InstallWorld &world)
{
    const QString products = world.resourceFolder + QStringLiteral("/Products");
    Tree tree;
    for (const QString &digit : {QStringLiteral("3"), QStringLiteral("4")}) {
        const QString plain = QStringLiteral("Softhaze %1 Plug-in").arg(digit);
        const QString lightroom = QStringLiteral("Softhaze %1 Lightroom").arg(digit);
        const QString product = products + QStringLiteral("/Softhaze ") + digit;
        addCopy(tree, QStringLiteral("opt/Veltrano/") + plain, product + u'/' + plain);
        addLink(tree, QStringLiteral("usr/local/share/Adobe/Plug-Ins/CC/Veltrano/") + plain,
                world.applications() + QStringLiteral("/Veltrano/") + plain);

        const QString installed = world.applications() + QStringLiteral("/Veltrano/") + lightroom;
        addCopy(tree, QStringLiteral("opt/Veltrano/") + lightroom, product + u'/' + lightroom);
        addFile(tree, QStringLiteral("opt/Veltrano/%1/softhaze%2.lrdevplugin/Path.txt").arg(lightroom, digit),
                installed.toUtf8() + '\n');
        const QString presets = QStringLiteral("Veltrano Softhaze ") + digit;
        addCopy(tree, QStringLiteral("xdg/Adobe/Lightroom/Export Presets/") + presets,
                product + u'/' + lightroom + u'/' + presets);
        addLink(tree, QStringLiteral("xdg/Adobe/Lightroom/Modules/softhaze%1.lrdevplugin").arg(digit),
                installed + QStringLiteral("/softhaze%1.lrdevplugin").arg(digit));
        addFile(tree, QStringLiteral("xdg/Adobe/Lightroom/External Editor Presets/Veltrano/%1.lrtemplate").arg(presets),
                presetFile(digit, installed));
    }
    return tree;
}

} // namespace

TEST(EndToEnd, InstallsTheSampleProductsExactlyAndAgainToTheSameTree)
{
    InstallWorld world;
    AppSettings settings(world.environment());
    settings.refreshProducts();
    settings.setCurrentPage(Page::install);
    ASSERT_EQ(settings.elementsToCopy().size(), 4);
    const Tree expected = expectedSampleTree(world);

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        linesink::Capture output;
        settings.installSelectedProducts();
        applyOutcome();
        EXPECT_EQ(render(treeOf(world.root.path())), render(expected));
        ASSERT_EQ(output.lines().size(), 2);
        EXPECT_TRUE(output.lines().at(0).startsWith(QStringLiteral("SCRIPT -- try\n")));
        EXPECT_EQ(output.lines().at(1), QStringLiteral("ERROR VALUE Ok"));
        EXPECT_EQ(settings.currentPage(), Page::summary);
        EXPECT_FALSE(settings.completedWithErrors());
        settings.setCurrentPage(Page::install);
    }
}

TEST(EndToEnd, TheProbeAllowsAccessAndStartsTheInstallation)
{
    InstallWorld world;
    AppSettings settings(world.environment());
    settings.refreshProducts();
    settings.setCurrentPage(Page::install);
    linesink::Capture output;
    settings.checkAccess();
    applyOutcome();
    EXPECT_EQ(settings.accessType(), FinderAccess::allowed);
    EXPECT_FALSE(settings.showFinderAlert());
    EXPECT_EQ(settings.currentPage(), Page::summary);
    EXPECT_EQ(output.lines().value(1), QStringLiteral("ERROR VALUE Ok"));
    EXPECT_TRUE(QFileInfo(world.userData() + QStringLiteral("/Adobe/Lightroom/Modules/softhaze4.lrdevplugin")).isSymLink());
}
