#include "catalogue/discovery.h"

#include "catalogue/folderlisting.h"
#include "platform/linesink.h"

namespace {

void reportFailure(const QString &description) { linesink::writeLine(QStringLiteral("Fail__ ") + description); }

} // namespace

ProductMap discoverProducts(const std::optional<QString> &resourceFolder)
{
    ProductMap products;
    if (!resourceFolder) {
        reportFailure(QStringLiteral("cannot list Products: the application's resource folder was not found"));
        return products;
    }
    const FolderListing listing = listSubfolders(*resourceFolder + QStringLiteral("/Products"));
    if (listing.error) {
        reportFailure(*listing.error);
        return products;
    }
    for (const QString &folder : listing.folders)
        products.emplace_hint(products.end(), folder, true);
    return products;
}

QStringList planElements(const ProductMap &products)
{
    QStringList elements;
    for (const auto &[key, selected] : products) {
        if (!selected)
            continue;
        const FolderListing listing = listSubfolders(key);
        if (listing.error) {
            reportFailure(*listing.error);
            continue;
        }
        elements.append(listing.folders);
    }
    return elements;
}
