#include "ui/alerts/installalert.h"

#include "state/appsettings.h"
#include "ui/alerts/alertmetrics.h"
#include "ui/alerts/buttonrow.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

using alertmetrics::Weight;

InstallAlert::InstallAlert(AppSettings &settings, QWidget *parent)
    : AlertCard(Qt::white, maximumCardSize, LimitScope::wholeCard, parent)
{
    const int padding = alertmetrics::defaultPadding;
    QVBoxLayout *content = column();
    content->setSpacing(5);
    content->addSpacerItem(new QSpacerItem(0, 5, QSizePolicy::Minimum, QSizePolicy::Expanding));

    auto *message = new QLabel(tr("Click \"Install\" button to complete the installation."), columnWidget());
    setAccessibleName(message->text());
    message->setFont(alertmetrics::systemFont(13, Weight::bold));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The bold line is nearly as wide as the small card; keep it off the
    // rounded edges.
    message->setContentsMargins(alertmetrics::defaultSpacing, 0, alertmetrics::defaultSpacing, 0);
    content->addWidget(message);

    auto *cancel = buttonrow::button(tr("Cancel"), "cancelInstallButton", columnWidget());
    auto *install = buttonrow::button(tr("Install"), "installButton", columnWidget());
    QFont bold = install->font();
    bold.setBold(true);
    install->setFont(bold);
    QPalette black = install->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        black.setColor(group, QPalette::ButtonText, Qt::black);
    install->setPalette(black);

    content->addLayout(buttonrow::row(
        {buttonrow::Stretch{}, cancel, buttonrow::Gap{20}, install, buttonrow::Stretch{}}, padding));

    connect(cancel, &QPushButton::clicked, &settings, [&settings] { settings.setShowPermanentlyAlert(false); });
    connect(install, &QPushButton::clicked, &settings, [&settings] {
        settings.setShowPermanentlyAlert(false);
        settings.installSelectedProducts();
    });
}
