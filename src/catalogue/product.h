#pragma once

#include "platform/userfolders.h"

#include <QString>
#include <mutex>

// The fixed folders an installation writes to.
namespace Product {

// The three base folders; none ends with "/", any may be empty.
struct BaseFolders
{
    QString applications;           // local applications
    QString applicationSupport;     // local shared data
    QString userApplicationSupport; // the user's data folder
};

// The three target folders, each a base folder followed by a fixed suffix.
// Every target folder ends with "/".
struct InstallTargets
{
    QString appVeltrano;     // the maker's folder among the applications
    QString appSuppVeltrano; // the maker's folder in the shared plug-ins folder
    QString userAppSuppLR;   // the user's Lightroom folder

    friend bool operator==(const InstallTargets &, const InstallTargets &) = default;
};

using userfolders::EnvironmentLookup;

// The base folders for an environment: /opt and /usr/local/share, both behind
// VELTRANO_INSTALL_ROOT when that is set and not empty (a relative root is
// taken from `workingFolder`), and the user's data folder of
// userfolders::foldersFrom().
BaseFolders baseFoldersFrom(const EnvironmentLookup &environment, const QString &workingFolder);

// Plain concatenation of each base folder and its suffix, no normalisation.
InstallTargets targetsFrom(const BaseFolders &base);

// The base folders and targets of one environment, computed on first use
// from whichever thread asks first, and fixed afterwards.
class Locations
{
public:
    Locations(EnvironmentLookup environment, QString workingFolder);

    const BaseFolders &baseFolders() const { return values().base; }
    const InstallTargets &targets() const { return values().targets; }

private:
    struct Values
    {
        BaseFolders base;
        InstallTargets targets;
    };
    const Values &values() const;

    EnvironmentLookup m_environment;
    QString m_workingFolder;
    mutable std::once_flag m_computed;
    mutable Values m_values;
};

// The process-wide values, each computed from the real environment once, on
// first use, from whichever thread asks first, and fixed afterwards.
const QString &applications();
const QString &applicationSupport();
const QString &userApplicationSupport();
const QString &appVeltrano();
const QString &appSuppVeltrano();
const QString &userAppSuppLR();

InstallTargets targets();

// VELTRANO_INSTALL_ROOT is set and not empty: the local folders lie behind a
// staging root, and the installation writes only into folders of its own.
bool staged();

} // namespace Product
