#include "ui/alerts/buttonrow.h"

#include "ui/alerts/alertmetrics.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace buttonrow {

QPushButton *button(const QString &text, const char *objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

QHBoxLayout *row(std::initializer_list<Part> parts, int margin, QWidget *parent)
{
    auto *layout = new QHBoxLayout(parent);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(alertmetrics::defaultSpacing);
    for (const Part &part : parts) {
        if (auto *const *button = std::get_if<QPushButton *>(&part))
            layout->addWidget(*button);
        else if (const auto *gap = std::get_if<Gap>(&part))
            layout->addSpacing(gap->width);
        else
            layout->addStretch();
    }
    return layout;
}

} // namespace buttonrow
