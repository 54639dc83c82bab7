#pragma once

#include "platform/bundle.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// The license agreement, read once from the bundle's resources.
// Placeholder: keeps the file's raw text until the RTF reader lands.
class Document : public QObject
{
    Q_OBJECT

public:
    using ResourceFolder = std::function<std::optional<QString>()>;

    explicit Document(ResourceFolder resourceFolder = &bundle::resourceFolder, QObject *parent = nullptr);

    const QString &data() const { return m_data; }

    // Reads <resources>/<file>.rtf into data(). A missing file writes
    // "File not found"; data() then keeps its value.
    void load(const QString &file);

signals:
    void objectWillChange();

private:
    ResourceFolder m_resourceFolder;
    QString m_data;
};
