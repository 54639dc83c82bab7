#include "ui/alerts/alertmetrics.h"

#include "ui/fonts.h"

namespace alertmetrics {

QFont systemFont(int pixelSize, Weight weight)
{
    QFont font = ::systemFont(pixelSize);
    font.setBold(weight == Weight::bold);
    return font;
}

} // namespace alertmetrics
