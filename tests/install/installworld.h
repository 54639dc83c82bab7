#pragma once

#include "hosttesting.h"
#include "state/appsettings.h"
#include "support/tempfolder.h"

#include <QFileInfo>
#include <QMap>
#include <QString>

// A real installation into temporary folders: the three install targets lie
// under one temporary root, the products come from `resourceFolder`, and
// scripts run through the real script host with `options`.
struct InstallWorld
{
    TempFolder root;
    QString resourceFolder = QStringLiteral(VELTRANO_SOURCE_DIR "/resources");
    scripthost::Options options = hosttesting::direct();
    // The room check before the run, as the installer has it; off for tests
    // of a disk that fills while the run writes.
    bool checksRoom = true;

    QString applications() const { return root(QStringLiteral("opt")); }
    QString applicationSupport() const { return root(QStringLiteral("usr/local/share")); }
    QString userData() const { return root(QStringLiteral("xdg")); }
    Product::InstallTargets targets() const;
    AppEnvironment environment() const;
};

// Every folder, file (with its content) and link (with its target) below
// `folder`, keyed by relative path; links are not followed.
using Tree = QMap<QString, QString>;
Tree treeOf(const QString &folder);

// One line per entry, for readable differences.
std::string render(const Tree &tree);

// Adds `relative` and all of its parent folders up to `folder` as folders.
void addFolders(Tree &tree, const QString &relative);
void addFile(Tree &tree, const QString &relative, const QByteArray &content);
void addLink(Tree &tree, const QString &relative, const QString &target);
// Adds a copy of the tree at `source` below `relative`.
void addCopy(Tree &tree, const QString &relative, const QString &source);

// The preset file the install writes for `digit`, naming `installed` (as the
// Lua string holds it) as the installed folder.
QByteArray presetFile(const QString &digit, const QString &installed);

// The tree an installation of the sample products in `resourceFolder` must
// leave below `root`, with the user's data folder at `userData` (relative to `root`).
Tree expectedSampleTree(const QString &resourceFolder, const QString &root, const QString &userData);

// Lets the queued outcome of a script run apply.
void applyOutcome();
