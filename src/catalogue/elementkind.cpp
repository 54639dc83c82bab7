#include "catalogue/elementkind.h"

#include "platform/pathtext.h"

#include <QString>

namespace {

// "Products/<product>/<element>" when the third component from the end of
// `path` (which ends in no slash) is "Products", else the whole path.
QStringView kindedPart(QStringView path)
{
    // Back over the element's name and the product's.
    qsizetype cut = path.size();
    for (int up = 0; up < 2; ++up) {
        cut = path.lastIndexOf(u'/', cut - 1);
        if (cut <= 0)
            return path;
    }
    const qsizetype start = path.lastIndexOf(u'/', cut - 1) + 1;
    if (path.sliced(start, cut - start) != u"Products")
        return path;
    return path.sliced(start);
}

} // namespace

ElementKind kindOf(QStringView element)
{
    const QString path = pathtext::joinable(element.toString());
    const QStringView part = kindedPart(path);
    if (!part.contains(u"Lightroom"))
        return {};
    return {true, part.contains(u"Softhaze 3") ? 3 : 4};
}
