#pragma once

#include "script/scripterror.h"

#include <QByteArray>
#include <QString>

namespace script {

// How one shell command ended: its exit status (minus the signal number when
// a signal ended it) and its two output streams.
struct ShellReply
{
    int status = 0;
    QByteArray out;
    QByteArray err;
};

// The value of `do shell script` for a command that succeeded: standard
// output without one trailing line feed, with the other line feeds turned
// into returns.
QString resultText(const QByteArray &out);

// The error a failed command raises: its exit status as the number, and as
// the message its standard error without one trailing line feed, else its
// standard output, else a fixed sentence.
RaisedError failureOf(const ShellReply &reply);

} // namespace script
