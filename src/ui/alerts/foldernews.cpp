#include "ui/alerts/foldernews.h"

FolderNews folderNews(const QString &folder, const QString &told,
                      std::optional<std::chrono::steady_clock::time_point> toldAt,
                      std::chrono::steady_clock::time_point now)
{
    using namespace std::chrono;
    if (folder.isEmpty() || folder == told)
        return {};
    if (!toldAt || now - *toldAt >= folderNewsInterval)
        return {FolderNews::Kind::tellNow, milliseconds(0)};
    // Rounded up, so the second has passed when it is looked at again.
    return {FolderNews::Kind::tellLater, ceil<milliseconds>(*toldAt + folderNewsInterval - now)};
}
