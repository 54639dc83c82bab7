#include "installworld.h"

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
    const scripthost::Options host = options;
    return {
        [resources] { return std::optional<QString>(resources); },
        [folders] { return folders; },
        [host](const QString &script, const ProgressReport &report) {
            scripthost::Options reporting = host;
            reporting.progress = report;
            return scripthost::runWith(script, reporting);
        },
        [] {},
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
