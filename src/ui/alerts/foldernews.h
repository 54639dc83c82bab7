#pragma once

#include <QString>

#include <chrono>
#include <optional>

// When assistive technology is told which folder the installation copies:
// each new folder once, and at most one a second, so a quick run of small
// folders does not drown the screen reader in names; a folder that comes
// sooner waits for the rest of the second, and is then told if it is still
// the latest.
struct FolderNews
{
    enum class Kind { nothing, tellNow, tellLater };
    Kind kind = Kind::nothing;
    // For tellLater: how long until it may be told.
    std::chrono::milliseconds after{0};

    bool operator==(const FolderNews &) const = default;
};

inline constexpr std::chrono::milliseconds folderNewsInterval{1000};

// `folder` is what the card shows now (empty while no folder is copied);
// `told` what was told last, at `toldAt` (nothing told yet when unset).
FolderNews folderNews(const QString &folder, const QString &told,
                      std::optional<std::chrono::steady_clock::time_point> toldAt,
                      std::chrono::steady_clock::time_point now);
