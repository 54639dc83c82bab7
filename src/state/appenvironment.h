#pragma once

#include "catalogue/product.h"
#include "install/roomverdict.h"
#include "install/scriptoutcome.h"
#include "install/scriptprogress.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The services the installer state reaches outside itself. The system
// environment is the default; tests hand in their own, so nothing global has
// to be changed between tests.
struct AppEnvironment
{
    // The bundle's resource folder; absent when it cannot be determined.
    std::function<std::optional<QString>()> resourceFolder;
    // The three folders an installation writes to.
    std::function<Product::InstallTargets()> installTargets;
    // Runs a script to its end on the calling thread, telling `report` how
    // far it has come.
    std::function<ScriptOutcome(const QString &script, const ProgressReport &report)> runScript;
    // Asks the application to quit.
    std::function<void()> terminate;
    // Whether a run that installs `elements` into `targets` fits the file
    // systems it writes to; asked before anything is written. Left empty,
    // every run starts.
    std::function<roomverdict::Verdict(const Product::InstallTargets &targets, const QStringList &elements)>
        checkRoom = {};

    static AppEnvironment system();
};
