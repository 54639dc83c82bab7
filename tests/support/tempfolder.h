#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

// A temporary folder owned by one test, with helpers to lay out fixtures.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    QString path() const { return m_dir.path(); }
    // Absolute path of `relative` inside the folder.
    QString operator()(const QString &relative) const;

    // Creates the folder `relative` with its parents; returns its path.
    QString makeFolder(const QString &relative) const;
    // Writes `content` to the file `relative`, creating its parents.
    QString writeFile(const QString &relative, const QByteArray &content = {}) const;

private:
    QTemporaryDir m_dir;
};

// True when the process can read any file whatever its mode (root), so tests
// of unreadable folders must skip.
bool runningAsRoot();

#include <functional>

// Runs `work` in a forked child that has dropped to the unprivileged user
// "nobody" and returns what it returned, so that permission failures can be
// provoked for real when the tests run as root. Absent when the child could
// not be started or could not drop its privileges.
std::optional<QString> runAsNobody(const std::function<QString()> &work);

