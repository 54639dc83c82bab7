#include "ui/alerts/alertmetrics.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QWidget>

namespace alertmetrics {

namespace {

// Styles may answer -1, meaning "ask layoutSpacing()"; Fusion's own amount is
// the fallback then.
constexpr int fallbackSpacing = 6;
constexpr int fallbackPadding = 9;

QStyle *styleOf(const QWidget *widget) { return widget ? widget->style() : QApplication::style(); }

} // namespace

int defaultPadding(const QWidget *widget)
{
    const int value = styleOf(widget)->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, widget);
    return value >= 0 ? value : fallbackPadding;
}

int defaultSpacing(const QWidget *widget)
{
    const int value = styleOf(widget)->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, widget);
    return value >= 0 ? value : fallbackSpacing;
}

QFont systemFont(int pixelSize, Weight weight)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(weight == Weight::bold);
    return font;
}

} // namespace alertmetrics
