#pragma once

#include "install/scripthost.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

// Ways to start the privileged helper in tests, in place of pkexec.
namespace hosttesting {

QString helperPath();

// The helper started directly, as when the installer runs as root, for
// the user running the tests.
scripthost::Options direct();
// The helper started as the user nobody, with PKEXEC_UID set as pkexec sets
// it: the non-root path, with `invokingUid` as the user who asked.
scripthost::Options asNobody(unsigned invokingUid);
// An elevation command that runs `shell` (with the helper's path as $0).
scripthost::Options elevatedBy(const QString &shell);

// A privileged `do shell script` line that runs `shell` as the invoking
// user, through the helper: the output of `shell` goes to `file` in the
// user's Lightroom folder of `options`, which places the command there.
QString asUser(const QString &shell, const QString &file);
// `options` with the user's Lightroom folder at `folder`.
scripthost::Options withLightroom(scripthost::Options options, const QString &folder);

// Runs `source` on a worker thread and fails the test instead of hanging
// when it has not finished within `limit`.
ScriptOutcome runGuarded(const QString &source, const scripthost::Options &options,
                         std::chrono::seconds limit = std::chrono::seconds(60));

// Adds `marker` to the environment the helper starts with, so the helper
// and its guardian can be told from those of tests running in parallel.
scripthost::Options marked(scripthost::Options options, const QString &marker);

// Process ids of processes marked with `marker`, or whose command line contains `argument`.
QList<int> processesMarked(const QString &marker);
QList<int> processesWithArgument(const QString &argument);
// Process ids of processes with a descriptor that links to `link`, such as "pipe:[1234]".
QList<int> processesHolding(const QString &link);
// Waits up to a few seconds for `probe` to return an empty list.
bool eventuallyEmpty(const std::function<QList<int>()> &probe);

} // namespace hosttesting
