#include "catalogue/productmap.h"

#include "catalogue/filename.h"
#include "platform/pathtext.h"

#include <algorithm>

namespace {

bool nameLess(const QString &a, const QString &b)
{
    // QString's operator< compares UTF-16 code units, which differs from code
    // point order only for characters outside the BMP; compare the composed
    // UCS-4 sequences to be exact.
    const auto ua = a.normalized(QString::NormalizationForm_C).toUcs4();
    const auto ub = b.normalized(QString::NormalizationForm_C).toUcs4();
    return std::lexicographical_compare(ua.begin(), ua.end(), ub.begin(), ub.end());
}

} // namespace

QString productName(const ProductKey &key)
{
    const QString path = pathtext::withoutTrailingSlashes(key);
    const qsizetype slash = path.lastIndexOf(u'/');
    return filename::readable(path.mid(slash + 1));
}

QStringList sortedProductKeys(const ProductMap &products)
{
    QStringList keys;
    keys.reserve(qsizetype(products.size()));
    for (const auto &entry : products)
        keys.append(entry.first);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const QString &a, const QString &b) { return nameLess(productName(a), productName(b)); });
    return keys;
}

QStringList sortedSelectedNames(const ProductMap &products)
{
    QStringList names;
    for (const auto &[key, selected] : products) {
        if (selected)
            names.append(productName(key));
    }
    std::stable_sort(names.begin(), names.end(), nameLess);
    return names;
}

bool anySelected(const ProductMap &products)
{
    return std::any_of(products.begin(), products.end(), [](const auto &entry) { return entry.second; });
}
