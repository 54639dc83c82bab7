#pragma once

#include "state/appenvironment.h"
#include "support/tempfolder.h"

#include <QStringList>
#include <functional>
#include <optional>

// Stands in for the outside world of the installer state and records what
// the state asked of it. It must outlive the AppSettings that uses it.
struct FakeWorld
{
    std::optional<QString> resourceFolder;
    Product::InstallTargets targets{QStringLiteral("/Apps/Veltrano/"), QStringLiteral("/Support/Veltrano/"),
                                    QStringLiteral("/User/Lightroom/")};
    std::function<ScriptOutcome(const QString &)> respond = [](const QString &) { return ScriptOutcome{}; };

    int terminateCalls = 0;
    QStringList scriptsRun;

    AppEnvironment environment()
    {
        return {
            [this] { return resourceFolder; },
            [this] { return targets; },
            [this](const QString &script, const ProgressReport &) {
                scriptsRun.append(script);
                return respond(script);
            },
            [this] { ++terminateCalls; },
        };
    }
};

// An environment that finds its resources in `resourceFolder` and does
// nothing else.
inline AppEnvironment fakeEnvironment(std::optional<QString> resourceFolder = std::nullopt)
{
    return {
        [resourceFolder] { return resourceFolder; },
        [] { return Product::InstallTargets{}; },
        [](const QString &, const ProgressReport &) { return ScriptOutcome{}; },
        [] {},
    };
}
