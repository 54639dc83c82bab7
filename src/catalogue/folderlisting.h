#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// One level of a folder: the absolute paths of the entries that are folders
// themselves, hidden ones included, ordered by name so that a plan is the
// same on every file system. A link is judged as the link itself, never by
// its target, so a link to a folder is not a folder here: following it
// would let a product reach outside the bundle, and copying it would copy
// only the link. For the same reason a folder that is itself a link is not
// listed. Names that are not valid UTF-8 are kept exactly (see filename.h).
struct FolderListing
{
    QStringList folders;
    // One sentence for each entry whose type could not be read, naming it
    // and the system's reason. An entry that was removed after it was listed
    // is simply gone and not mentioned.
    QStringList unreadableEntries;
    std::optional<QString> error; // set when the folder itself could not be listed
};

FolderListing listSubfolders(const QString &folder);
