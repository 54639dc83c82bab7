#include "state/page.h"

std::optional<Page> pageFromRawValue(int raw)
{
    if (raw < rawValue(allPages.front()) || raw > rawValue(allPages.back()))
        return std::nullopt;
    return static_cast<Page>(raw);
}

std::optional<Page> nextPage(Page page) { return pageFromRawValue(rawValue(page) + 1); }

std::optional<Page> previousPage(Page page) { return pageFromRawValue(rawValue(page) - 1); }
