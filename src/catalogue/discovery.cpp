#include "catalogue/discovery.h"

#include "catalogue/filename.h"
#include "catalogue/folderlisting.h"
#include "platform/linesink.h"

namespace {

void reportFailure(const QString &description) { linesink::writeLine(QStringLiteral("Fail__ ") + description); }

QString notUtf8(const QString &path)
{
    return QStringLiteral("cannot install %1: its name is not valid UTF-8").arg(filename::readable(path));
}

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
    // A product whose name is not valid UTF-8 is still offered: installing
    // it fails with a message that names it, rather than leaving it out
    // without a word.
    for (const QString &folder : listing.folders)
        products.emplace_hint(products.end(), folder, true);
    return products;
}

InstallPlan planInstall(const ProductMap &products)
{
    InstallPlan plan;
    const auto fail = [&plan](const QString &description) {
        reportFailure(description);
        plan.failures.append(description);
    };
    for (const auto &[key, selected] : products) {
        if (!selected)
            continue;
        // The script is text: a path that is not valid UTF-8 cannot be
        // written into it, and would name a different file if it were.
        if (filename::hasRawBytes(key)) {
            fail(notUtf8(key));
            continue;
        }
        const FolderListing listing = listSubfolders(key);
        if (listing.error) {
            fail(*listing.error);
            continue;
        }
        for (const QString &entry : listing.unreadableEntries)
            fail(entry);
        for (const QString &folder : listing.folders) {
            if (filename::hasRawBytes(folder))
                fail(notUtf8(folder));
            else
                plan.elements.append(folder);
        }
    }
    return plan;
}
