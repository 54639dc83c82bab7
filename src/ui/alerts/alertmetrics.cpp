#include "ui/alerts/alertmetrics.h"

#include <QApplication>
#include <QFont>

namespace alertmetrics {

QFont systemFont(int pixelSize, Weight weight)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(weight == Weight::bold);
    return font;
}

} // namespace alertmetrics
