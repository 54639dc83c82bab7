#pragma once

#include <QString>
#include <QStringList>
#include <map>

// A product key is the absolute path of one product folder, as its folder
// listing gave it; the value is the product's selected flag.
using ProductKey = QString;
using ProductMap = std::map<ProductKey, bool>;

// The name shown for a product: the last component of its key, verbatim,
// except that bytes which are not valid UTF-8 show as \xHH.
QString productName(const ProductKey &key);

// The names of the products, in the order every page lists them: by Unicode
// code points of the composed text, so "B" comes before "a". Stable.
QStringList sortedProductKeys(const ProductMap &products);
QStringList sortedSelectedNames(const ProductMap &products);

// True when at least one product is selected.
bool anySelected(const ProductMap &products);
