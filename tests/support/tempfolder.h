#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary folder owned by one test, with helpers to lay out fixtures.
class TempFolder
{
public:
    TempFolder();

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
