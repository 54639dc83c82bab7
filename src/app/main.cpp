#include "catalogue/productmap.h"
#include "state/appsettings.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppSettings settings;
    settings.refreshProducts();
    // The window is not built yet: list what the bundle offers and stop.
    for (const QString &key : sortedProductKeys(settings.products()))
        std::printf("product: %s\n", qPrintable(productName(key)));
    std::printf("The installer window is not built yet; only product discovery runs.\n");
    return 0;
}
