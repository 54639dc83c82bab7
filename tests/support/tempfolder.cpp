#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

TempFolder::TempFolder() = default;

TempFolder::~TempFolder()
{
    // QTemporaryDir cannot remove entries whose names are not valid UTF-8;
    // removed by their bytes first, nothing is left behind.
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(path()).toStdString(), ignored);
}

QString TempFolder::operator()(const QString &relative) const { return m_dir.filePath(relative); }

QString TempFolder::makeFolder(const QString &relative) const
{
    const QString path = (*this)(relative);
    QDir().mkpath(path);
    return path;
}

QString TempFolder::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString path = (*this)(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

bool runningAsRoot() { return geteuid() == 0; }

std::optional<QString> runAsNobody(const std::function<QString()> &work)
{
    const passwd *nobody = getpwnam("nobody");
    if (!nobody)
        return std::nullopt;
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        close(fds[0]);
        if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
            _exit(2);
        const QByteArray out = work().toUtf8();
        const bool written = write(fds[1], out.constData(), size_t(out.size())) == out.size();
        _exit(written ? 0 : 3);
    }
    close(fds[1]);
    QByteArray out;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, n);
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return QString::fromUtf8(out);
}
