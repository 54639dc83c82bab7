#pragma once

#include "catalogue/product.h"
#include "install/roomneeds.h"
#include "install/roomverdict.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The disk as the installer finds it: statvfs for each target's file
// system, the mount table for its name, and the product folders walked by
// descriptor.
class SystemDisk : public roomneeds::Disk
{
public:
    roomneeds::Volume volumeOf(const QString &folder) override;
    void walk(const QString &folder, const Visit &visit) override;
    std::optional<roomneeds::Existing> existing(const QString &path) override;

private:
    QString mountPointOf(const QByteArray &path);

    // Mount points in the order of the mount table, read on first use.
    std::optional<std::vector<QByteArray>> m_mountPoints;
};

// Whether installing `elements` into `targets` fits the file systems it
// writes to, asked of the real disk before anything is written.
roomverdict::Verdict checkRoom(const Product::InstallTargets &targets, const QStringList &elements);
