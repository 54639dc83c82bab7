#include "ui/document.h"

#include "platform/linesink.h"
#include "rtf/reader.h"

#include <QFile>
#include <QFileInfo>

#include <string_view>
#include <variant>

Document::Document(ResourceFolder resourceFolder, QObject *parent)
    : QObject(parent)
    , m_resourceFolder(std::move(resourceFolder))
{
}

void Document::load(const QString &file)
{
    const auto folder = m_resourceFolder ? m_resourceFolder() : std::nullopt;
    const QString path = folder ? *folder + u'/' + file + QStringLiteral(".rtf") : QString();
    // A link whose target is gone is as missing as no file at all.
    if (!folder || !QFileInfo::exists(path)) {
        linesink::writeLine(QStringLiteral("File not found"));
        return;
    }
    // A pipe or a device would block the window or never end.
    const QFileInfo info(path);
    if (!info.isFile()) {
        linesink::writeLine(QStringLiteral("cannot read %1: it is not a regular file").arg(path));
        return;
    }
    if (info.size() > maxFileSize) {
        linesink::writeLine(QStringLiteral("cannot read %1: the file is larger than %2 MiB").arg(path).arg(maxFileSize >> 20));
        return;
    }
    QFile rtfFile(path);
    if (!rtfFile.open(QIODevice::ReadOnly)) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, rtfFile.errorString()));
        return;
    }
    const QByteArray bytes = rtfFile.read(maxFileSize);
    if (rtfFile.error() != QFileDevice::NoError) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, rtfFile.errorString()));
        return;
    }
    rtf::ReadResult result = rtf::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto *error = std::get_if<rtf::ReadError>(&result)) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, QString::fromStdString(error->description)));
        return;
    }
    emit objectWillChange();
    m_data = std::move(std::get<rtf::FormattedText>(result));
}
