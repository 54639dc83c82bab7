#include "ui/navigation.h"

#include "state/appsettings.h"

Navigation navigationFor(Page page, const ProductMap &products)
{
    Navigation navigation;
    navigation.selectAllPresent = page == Page::products;
    navigation.selectAllEnabled = navigation.selectAllPresent && !products.empty();
    navigation.goBackEnabled = page != Page::intro && page != Page::summary;
    navigation.forwardLabel = page == Page::summary ? ForwardLabel::close : ForwardLabel::next;
    navigation.forwardEnabled = page != Page::products || anySelected(products);
    return navigation;
}

void goBack(AppSettings &settings)
{
    if (const auto previous = previousPage(settings.currentPage()))
        settings.setCurrentPage(*previous);
}
