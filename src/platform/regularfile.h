#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file that must be a regular file on a file system that keeps
// its files' contents, such as a resource of the bundle. It never blocks on a
// pipe or a device, also when a link leads there, and never reads kernel
// interfaces (/proc, /sys and the like), whose "files" may block, change
// between reads or never end.
struct RegularFile
{
    enum class Status {
        Read,    // bytes holds the content
        Missing, // neither the file nor a link's target exists
        Refused, // reason says why, in a few words
    };

    Status status = Status::Missing;
    QByteArray bytes;
    QString reason;

    static RegularFile read(const QString &path, qint64 maxSize);
};
