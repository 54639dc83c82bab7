#include "script/shellreply.h"

namespace script {
namespace {

QString withoutTrailingLineFeed(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.endsWith('\n'))
        view.chop(1);
    return QString::fromUtf8(view);
}

} // namespace

QString resultText(const QByteArray &out)
{
    QString text = withoutTrailingLineFeed(out);
    text.replace(u'\n', u'\r');
    return text;
}

RaisedError failureOf(const ShellReply &reply)
{
    // A command ended by a signal reports it the way the shell does.
    const int number = reply.status < 0 ? 128 - reply.status : reply.status;
    if (!reply.err.isEmpty())
        return {number, withoutTrailingLineFeed(reply.err)};
    if (!reply.out.isEmpty())
        return {number, withoutTrailingLineFeed(reply.out)};
    if (reply.status < 0)
        return {number, QStringLiteral("The command was ended by signal %1.").arg(-reply.status)};
    return {number, QStringLiteral("The command exited with a non-zero status.")};
}

} // namespace script
