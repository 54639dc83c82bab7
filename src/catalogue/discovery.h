#pragma once

#include "catalogue/productmap.h"

#include <QStringList>
#include <optional>

// Every folder directly inside <resources>/Products, each selected. A missing
// resource folder or a folder that cannot be listed writes one "Fail__ " line
// and gives an empty map; so does a Products that is a link.
ProductMap discoverProducts(const std::optional<QString> &resourceFolder);

// What a selection installs, and what of it cannot be installed.
struct InstallPlan
{
    // The folders directly inside each selected product folder, as plain
    // absolute paths without a trailing "/".
    QStringList elements;
    // One sentence for each selected product, or folder of one, that cannot
    // be installed, naming it and the cause: a product folder that cannot
    // be listed, an entry whose type cannot be read, a name that is not
    // valid UTF-8. Each is also written as a "Fail__ " line.
    QStringList failures;
};

// A failure costs only the product or folder it names; the rest of the
// selection is still planned.
InstallPlan planInstall(const ProductMap &products);
