#pragma once

#include "platform/bundle.h"
#include "platform/languages.h"
#include "platform/regularfile.h"
#include "rtf/formattedtext.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// The license agreement, read once from the bundle's resources.
class Document : public QObject
{
    Q_OBJECT

public:
    using ResourceFolder = std::function<std::optional<QString>()>;

    // No license agreement comes near this; a larger file is refused rather
    // than read into memory.
    static constexpr qint64 maxFileSize = qint64(64) << 20;

    // `languages` is the order in which translated agreements are looked
    // for (see languages::lookupOrder).
    explicit Document(ResourceFolder resourceFolder = &bundle::resourceFolder,
                      QStringList languages = languages::systemLookupOrder(), QObject *parent = nullptr);

    // The agreement as formatted text; empty until a load succeeds.
    const rtf::FormattedText &data() const { return m_data; }

    // Reads <resources>/<file>.rtf into data(), or rather the first
    // translation <resources>/<language>.lproj/<file>.rtf that reads. A
    // missing file writes the line "File not found"; a file that cannot be
    // read or is no RTF writes one line naming the file and the cause. In both
    // cases data() keeps its value. A translation that cannot be read writes
    // its line and gives way to the next one and finally to the base file.
    void load(const QString &file);

signals:
    // Emitted just before data() changes.
    void objectWillChange();

private:
    // Reads one file into data(). A missing file writes nothing; any other
    // failure writes its cause and is Refused.
    RegularFile::Status read(const QString &path);

    ResourceFolder m_resourceFolder;
    QStringList m_languages;
    rtf::FormattedText m_data;
};
