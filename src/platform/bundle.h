#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Where the application bundle keeps its resources:
// VeltranoInstaller.app/Contents/MacOS/<executable> next to Contents/Resources.
namespace bundle {

// The resource folder of the running executable: its own folder followed by
// "../Resources", resolved from /proc/self/exe and never from the current
// directory. Absent when the executable's location cannot be read or the
// folder does not exist.
std::optional<QString> resourceFolder();

// The folder of the running executable, where helper programs live.
std::optional<QString> executableFolder();

// Where to look for the resource `name` in the resource folder `folder`,
// best first: <folder>/<language>.lproj/<name> for each name of
// `languages` (a lookup order, see languages::lookupOrder), then
// <folder>/<name>, the base file, always last.
QStringList localizedPaths(const QString &folder, const QString &name, const QStringList &languages);

} // namespace bundle
