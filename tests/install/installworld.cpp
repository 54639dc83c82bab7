#include "installworld.h"

#include "install/systemdisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

Product::InstallTargets InstallWorld::targets() const
{
    return Product::targetsFrom({applications(), applicationSupport(), userData()});
}

AppEnvironment InstallWorld::environment() const
{
    const QString resources = resourceFolder;
    const Product::InstallTargets folders = targets();
    scripthost::Options host = options;
    // The script host places the script's commands against the same
    // folders, and a helper it starts installs below the same root.
    if (host.targets == Product::InstallTargets{}) {
        host.targets = folders;
        host.installRoot = root.path();
    }
    return {
        [resources] { return std::optional<QString>(resources); },
        [folders] { return folders; },
        [host](const QString &script, const ProgressReport &report) {
            scripthost::Options reporting = host;
            reporting.progress = report;
            return scripthost::runWith(script, reporting);
        },
        [] {},
        checksRoom ? &checkRoom : nullptr,
    };
}

Tree treeOf(const QString &folder)
{
    Tree tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString relative = QDir(folder).relativeFilePath(path);
        if (info.isSymLink()) {
            tree.insert(relative, QStringLiteral("link -> ") + info.symLinkTarget());
        } else if (info.isDir()) {
            tree.insert(relative, QStringLiteral("folder"));
        } else {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            tree.insert(relative, QStringLiteral("file: ") + QString::fromUtf8(file.readAll()));
        }
    }
    return tree;
}

std::string render(const Tree &tree)
{
    std::string out;
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        QString value = it.value();
        value.replace(u'\n', QStringLiteral("\\n"));
        out += (it.key() + QStringLiteral(" = ") + value + u'\n').toStdString();
    }
    return out;
}

void addFolders(Tree &tree, const QString &relative)
{
    QString path = relative;
    while (!path.isEmpty() && path != u".") {
        tree.insert(path, QStringLiteral("folder"));
        const qsizetype slash = path.lastIndexOf(u'/');
        path = slash < 0 ? QString() : path.left(slash);
    }
}

void addFile(Tree &tree, const QString &relative, const QByteArray &content)
{
    addFolders(tree, relative.section(u'/', 0, -2));
    tree.insert(relative, QStringLiteral("file: ") + QString::fromUtf8(content));
}

void addLink(Tree &tree, const QString &relative, const QString &target)
{
    addFolders(tree, relative.section(u'/', 0, -2));
    tree.insert(relative, QStringLiteral("link -> ") + target);
}

void addCopy(Tree &tree, const QString &relative, const QString &source)
{
    addFolders(tree, relative);
    const Tree copied = treeOf(source);
    for (auto it = copied.cbegin(); it != copied.cend(); ++it)
        tree.insert(relative + u'/' + it.key(), it.value());
}

void applyOutcome()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

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

Tree expectedSampleTree(const QString &resourceFolder, const QString &root, const QString &userData)
{
    const QString products = resourceFolder + QStringLiteral("/Products");
    const QString applications = root + QStringLiteral("/opt");
    const QString lightroomFolder = userData + QStringLiteral("/Adobe/Lightroom/");
    Tree tree;
    for (const QString &digit : {QStringLiteral("3"), QStringLiteral("4")}) {
        const QString plain = QStringLiteral("Softhaze %1 Plug-in").arg(digit);
        const QString lightroom = QStringLiteral("Softhaze %1 Lightroom").arg(digit);
        const QString product = products + QStringLiteral("/Softhaze ") + digit;
        addCopy(tree, QStringLiteral("opt/Veltrano/") + plain, product + u'/' + plain);
        addLink(tree, QStringLiteral("usr/local/share/Adobe/Plug-Ins/CC/Veltrano/") + plain,
                applications + QStringLiteral("/Veltrano/") + plain);

        const QString installed = applications + QStringLiteral("/Veltrano/") + lightroom;
        addCopy(tree, QStringLiteral("opt/Veltrano/") + lightroom, product + u'/' + lightroom);
        addFile(tree, QStringLiteral("opt/Veltrano/%1/softhaze%2.lrdevplugin/Path.txt").arg(lightroom, digit),
                installed.toUtf8() + '\n');
        const QString presets = QStringLiteral("Veltrano Softhaze ") + digit;
        addCopy(tree, lightroomFolder + QStringLiteral("Export Presets/") + presets,
                product + u'/' + lightroom + u'/' + presets);
        addLink(tree, lightroomFolder + QStringLiteral("Modules/softhaze%1.lrdevplugin").arg(digit),
                installed + QStringLiteral("/softhaze%1.lrdevplugin").arg(digit));
        addFile(tree, lightroomFolder + QStringLiteral("External Editor Presets/Veltrano/%1.lrtemplate").arg(presets),
                presetFile(digit, installed));
    }
    return tree;
}
