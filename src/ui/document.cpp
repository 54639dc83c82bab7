#include "ui/document.h"

#include "platform/linesink.h"
#include "rtf/reader.h"

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
        if (read(translated) == RegularFile::Status::Read)
            return;
    }
    // A link whose target is gone is as missing as no file at all.
    if (read(paths.last()) == RegularFile::Status::Missing)
        linesink::writeLine(QStringLiteral("File not found"));
}

RegularFile::Status Document::read(const QString &path)
{
    const RegularFile file = RegularFile::read(path, maxFileSize);
    if (file.status == RegularFile::Status::Missing)
        return file.status;
    if (file.status == RegularFile::Status::Refused) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, file.reason));
        return file.status;
    }
    rtf::ReadResult result = rtf::read(std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())));
    if (const auto *error = std::get_if<rtf::ReadError>(&result)) {
        linesink::writeLine(QStringLiteral("cannot read %1: %2").arg(path, QString::fromStdString(error->description)));
        return RegularFile::Status::Refused;
    }
    emit objectWillChange();
    m_data = std::move(std::get<rtf::FormattedText>(result));
    return RegularFile::Status::Read;
}
