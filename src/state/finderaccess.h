#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// What is known about the permission to script the file manager.
enum class FinderAccess { unknown, denied, allowed };

// "-1", "0" or "1".
QString rawValue(FinderAccess access);

// The case whose raw text equals `text` exactly: no trimming, no number
// parsing, so " 1" and "01" give no value.
std::optional<FinderAccess> finderAccessFromRawValue(QStringView text);
