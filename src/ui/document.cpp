#include "ui/document.h"

#include "platform/linesink.h"
#include "rtf/reader.h"

#include <QFile>
#include <QFileInfo>

#include <string_view>
#include <variant>

Document::Document(ResourceFolder resourceFolder, QStringList languages, QObject *parent)
    : QObject(parent)
    , m_resourceFolder(std::move(resourceFolder))
    , m_languages(std::move(languages))
{
}

void Document::load(const QString &file)
{
    const auto folder = m_resourceFolder ? m_resourceFolder() : std::nullopt;
    if (!folder) {
        linesink::writeLine(QStringLiteral("File not found"));
        return;
    }
    const QStringList paths = bundle::localizedPaths(*folder, file + QStringLiteral(".rtf"), m_languages);
    // A translation that is missing or cannot be read gives way to the next
    // language and finally to the base file.
    for (const QString &translated : paths.first(paths.size() - 1)) {
        if (QFileInfo::exists(translated) && read(translated))
            return;
    }
    // A link whose target is gone is as missing as no file at all.
    const QString &path = paths.last();
    if (!QFileInfo::exists(path)) {
        linesink::writeLine(QStringLiteral("File not found"));
        return;
    }
    read(path);
}

bool Document::read(const QString &path)
{
    // A pipe or a device would block the window or never end.
    const QFileInfo info(path);
    if (!info.isFile()) {
        linesink::writeLine(QStringLiteral("cannot read %1: it is not a regular file").arg(path));
        return false;
    }
    if (info.size() > maxFileSize) {
        linesink::writeLine(QStringLiteral("cannot read %1: the file is larger than %2 MiB").arg(path).arg(maxFileSize >> 20));
        return false;
    }
    QFile rtfFile(path);
    if (!rtfFile.open(QIODevice::ReadOnly)) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, rtfFile.errorString()));
        return false;
    }
    const QByteArray bytes = rtfFile.read(maxFileSize);
    if (rtfFile.error() != QFileDevice::NoError) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, rtfFile.errorString()));
        return false;
    }
    rtf::ReadResult result = rtf::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto *error = std::get_if<rtf::ReadError>(&result)) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, QString::fromStdString(error->description)));
        return false;
    }
    emit objectWillChange();
    m_data = std::move(std::get<rtf::FormattedText>(result));
    return true;
}
