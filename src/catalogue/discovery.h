#pragma once

#include "catalogue/productmap.h"

#include <QStringList>
#include <optional>

// Every folder directly inside <resources>/Products, each selected. A missing
// resource folder or a folder that cannot be listed writes one "Fail__ " line
// and gives an empty map.
ProductMap discoverProducts(const std::optional<QString> &resourceFolder);

// The folders directly inside each selected product folder, as plain absolute
// paths without a trailing "/". A product folder that cannot be listed costs
// only its own entries and writes one "Fail__ " line.
QStringList planElements(const ProductMap &products);
