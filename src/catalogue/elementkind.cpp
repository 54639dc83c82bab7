#include "catalogue/elementkind.h"

namespace {

// "Products/<product>/<element>" when the third component from the end is
// "Products", else the whole path.
QStringView kindedPart(QStringView element)
{
    QStringView rest = element;
    while (rest.endsWith(u'/'))
        rest.chop(1);
    // Back over the element's name and the product's.
    qsizetype cut = rest.size();
    for (int up = 0; up < 2; ++up) {
        cut = rest.lastIndexOf(u'/', cut - 1);
        if (cut <= 0)
            return element;
    }
    const qsizetype start = rest.lastIndexOf(u'/', cut - 1) + 1;
    if (rest.sliced(start, cut - start) != u"Products")
        return element;
    return element.sliced(start);
}

} // namespace

ElementKind kindOf(QStringView element)
{
    const QStringView part = kindedPart(element);
    if (!part.contains(u"Lightroom"))
        return {};
    return {true, part.contains(u"Softhaze 3") ? 3 : 4};
}
