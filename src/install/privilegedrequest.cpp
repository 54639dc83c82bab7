#include "install/privilegedrequest.h"

#include "install/shellwords.h"
#include "platform/pathtext.h"

#include <QFile>

namespace privilegedrequest {
namespace {

using helperprotocol::InstallFolder;
using helperprotocol::Request;
using helperprotocol::RequestKind;

bool climbs(const QString &path)
{
    const QStringList parts = path.split(u'/');
    return parts.contains(QStringLiteral("..")) || parts.contains(QStringLiteral("."));
}

// `path` is `folder` or lies below it, compared as text after trailing
// slashes; a path that climbs with ".." lies nowhere.
bool within(const QString &path, const QString &folder)
{
    const QString base = pathtext::joinable(folder);
    const QString target = pathtext::joinable(path);
    if (climbs(target))
        return false;
    return target == base || target.startsWith(base + u'/') || (base.isEmpty() && target.startsWith(u'/'));
}

std::string encoded(const QString &text) { return QFile::encodeName(text).toStdString(); }

QString refusal(const QString &command)
{
    return QStringLiteral("The installer does not run this command with administrator privileges: %1").arg(command);
}

QStringList texts(const QList<shellwords::Word> &words)
{
    QStringList out;
    for (const shellwords::Word &word : words)
        out.append(word.text);
    return out;
}

// The word that names where a command of the install script writes.
std::optional<QString> targetOf(const shellwords::SimpleCommand &parsed)
{
    const QStringList words = texts(parsed.words);
    const QString &tool = words.constFirst();
    if (tool == u"echo")
        return parsed.output ? std::optional(parsed.output->text) : std::nullopt;
    if (parsed.output)
        return std::nullopt;
    if (tool == u"mkdir" || tool == u"cp" || tool == u"ln" || tool == u"chown")
        return words.size() >= 3 ? std::optional(words.constLast()) : std::nullopt;
    return std::nullopt;
}

std::optional<Request> rootRequest(const shellwords::SimpleCommand &parsed, const Product::InstallTargets &targets)
{
    for (const shellwords::Word &word : parsed.words)
        if (!word.literal)
            return std::nullopt;
    if (parsed.output && !parsed.output->literal)
        return std::nullopt;
    const QStringList words = texts(parsed.words);
    const QString maker = pathtext::joinable(targets.appVeltrano);
    const QString plugins = pathtext::joinable(targets.appSuppVeltrano);
    Request request;
    if (words.size() == 3 && words[0] == u"mkdir" && words[1] == u"-p" && !parsed.output) {
        const QString folder = pathtext::joinable(words[2]);
        if (folder != maker && folder != plugins)
            return std::nullopt;
        request.kind = RequestKind::makeFolder;
        request.folder = folder == maker ? InstallFolder::maker : InstallFolder::plugins;
        return request;
    }
    if (words.size() == 5 && words.mid(0, 3) == QStringList{QStringLiteral("cp"), QStringLiteral("-R"), QStringLiteral("-f")}
        && !parsed.output) {
        // The element itself, not its contents, into the maker's folder.
        if (pathtext::joinable(words[4]) != maker || words[3].endsWith(u'/') || !words[3].startsWith(u'/')
            || climbs(words[3]))
            return std::nullopt;
        request.kind = RequestKind::copyElement;
        request.path = encoded(words[3]);
        return request;
    }
    if (words.size() == 6 && words.mid(0, 4) == QStringList{QStringLiteral("ln"), QStringLiteral("-f"), QStringLiteral("-h"), QStringLiteral("-s")}
        && !parsed.output) {
        const QString name = words[4].mid(maker.size() + 1);
        if (words[4] != maker + u'/' + name || words[5] != plugins + u'/' + name || name.isEmpty() || name.contains(u'/'))
            return std::nullopt;
        request.kind = RequestKind::linkElement;
        request.path = encoded(name);
        return request;
    }
    if (words.size() == 2 && words[0] == u"echo" && parsed.output) {
        const QString file = parsed.output->text;
        if (!file.startsWith(maker + u'/') || climbs(file))
            return std::nullopt;
        request.kind = RequestKind::writeFile;
        request.path = encoded(file.mid(maker.size() + 1));
        request.text = words[1].toStdString() + '\n';
        return request;
    }
    return std::nullopt;
}

} // namespace

std::variant<Request, QString> requestFor(const QString &command, const Product::InstallTargets &targets)
{
    const auto parsed = shellwords::parse(command);
    if (!parsed)
        return refusal(command);
    // The user's own files are worked on with the user's identity, wherever
    // the environment put them.
    if (const auto target = targetOf(*parsed); target && within(*target, targets.userAppSuppLR)) {
        Request request;
        request.kind = RequestKind::userCommand;
        request.text = command.toStdString();
        return request;
    }
    if (auto request = rootRequest(*parsed, targets))
        return *request;
    return refusal(command);
}

} // namespace privilegedrequest
