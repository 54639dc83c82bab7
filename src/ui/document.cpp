#include "ui/document.h"

#include "platform/linesink.h"

#include <QFile>

Document::Document(ResourceFolder resourceFolder, QObject *parent)
    : QObject(parent)
    , m_resourceFolder(std::move(resourceFolder))
{
}

void Document::load(const QString &file)
{
    const auto folder = m_resourceFolder ? m_resourceFolder() : std::nullopt;
    QFile rtf(folder ? *folder + u'/' + file + QStringLiteral(".rtf") : QString());
    if (!folder || !rtf.exists()) {
        linesink::writeLine(QStringLiteral("File not found"));
        return;
    }
    if (!rtf.open(QIODevice::ReadOnly)) {
        linesink::writeLine(rtf.errorString());
        return;
    }
    emit objectWillChange();
    m_data = QString::fromUtf8(rtf.readAll());
}
