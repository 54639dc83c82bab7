// Installs the translations the installer would for the environment it runs
// in, and prints, tab-separated: the chosen language ("en" for none), the
// lookup order of localized resources, and how "Next" and Qt's own "&Copy"
// read then.
//   language_probe <translations folder>

#include "app/translations.h"
#include "platform/languages.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: language_probe <translations folder>\n");
        return 2;
    }
    const QStringList order = languages::systemLookupOrder();
    const auto language = translations::install(app, QString::fromLocal8Bit(argv[1]), order);
    const QStringList fields{
        language.value_or(QStringLiteral("en")),
        order.join(u','),
        QCoreApplication::translate("ContentView", "Next"),
        QCoreApplication::translate("QWidgetTextControl", "&Copy"),
    };
    std::printf("%s\n", fields.join(u'\t').toUtf8().constData());
    return 0;
}
