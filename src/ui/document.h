#pragma once

#include "platform/bundle.h"
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

    explicit Document(ResourceFolder resourceFolder = &bundle::resourceFolder, QObject *parent = nullptr);

    // The agreement as formatted text; empty until a load succeeds.
    const rtf::FormattedText &data() const { return m_data; }

    // Reads <resources>/<file>.rtf into data(). A missing file writes the line
    // "File not found"; a file that cannot be read or is no RTF writes one
    // line naming the file and the cause. In both cases data() keeps its value.
    void load(const QString &file);

signals:
    // Emitted just before data() changes.
    void objectWillChange();

private:
    ResourceFolder m_resourceFolder;
    rtf::FormattedText m_data;
};
