#pragma once

#include <QStringList>

// Text that a shell takes for more than text when it reaches it unquoted or
// quoted wrong: each such name runs `touch` on `canary`, a plain name that
// lands in the commands' working folder. None holds a "/", so that each may
// name a folder as well as fill a string.
inline QStringList hostileNames(const QString &canary)
{
    return {
        QStringLiteral("double \" quote"),
        QStringLiteral("\"; touch '%1' #").arg(canary),
        QStringLiteral("$(touch %1)").arg(canary),
        QStringLiteral("$(touch '%1')").arg(canary),
        QStringLiteral("`touch %1`").arg(canary),
        QStringLiteral("back\\slash \\\" and \\$(touch %1)").arg(canary),
        QStringLiteral("\\\"\\\\\\$"),
        QStringLiteral("-leading dash"),
        QStringLiteral("--help"),
        QStringLiteral("-rf"),
        QStringLiteral("line\nbreak"),
        QStringLiteral("trailing\\"),
        QStringLiteral("\\n\\t literal"),
        QStringLiteral("  blanks  around  "),
        QStringLiteral("Grüße Ünïcödé 写真"),
        QStringLiteral("\u00e9\u00fc\U0001F600"),
        QStringLiteral("single ' quote; semi & amp | pipe > out"),
        QStringLiteral("$HOME ${IFS} !! * ? ~"),
    };
}
