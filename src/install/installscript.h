#pragma once

#include "catalogue/product.h"

#include <QString>
#include <QStringList>

namespace installscript {

// `value` for a shell's double-quoted string: a backslash before \ " $ and `.
QString shellEscaped(const QString &value);

// Makes `value` safe to paste between the escaped double quotes of a shell
// command inside an AppleScript string literal: first for the shell's
// double-quoted string (a backslash before \ " $ and `), then for the
// AppleScript literal (a backslash before \ and "). A value with none of
// those characters comes back unchanged.
QString pasteValue(const QString &value);

// The one privileged script that installs every entry of `plan` (absolute
// folder paths without a trailing "/") into `targets`. It returns "Ok", or
// the message of the first command that failed.
QString compose(const Product::InstallTargets &targets, const QStringList &plan);

// The script that asks the file manager for a folder: "1" when it may be
// scripted, "0" when not.
QString accessProbe();

} // namespace installscript
