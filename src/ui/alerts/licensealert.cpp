#include "ui/alerts/licensealert.h"

#include "state/appsettings.h"
#include "ui/alerts/alertmetrics.h"
#include "ui/alerts/buttonrow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using alertmetrics::Weight;

namespace {

QLabel *paddedText(const QString &text, Weight weight, int padding, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(alertmetrics::systemFont(13, weight));
    label->setWordWrap(true);
    label->setContentsMargins(padding, 0, padding, 0);
    return label;
}

} // namespace

LicenseAlert::LicenseAlert(AppSettings &settings, QWidget *parent)
    : AlertCard(Qt::white, maximumCardSize, LimitScope::wholeCard, parent)
{
    const int padding = alertmetrics::defaultPadding;
    QVBoxLayout *content = column();
    content->setSpacing(5);
    content->addSpacerItem(new QSpacerItem(0, 5, QSizePolicy::Minimum, QSizePolicy::Expanding));
    const QString message =
        tr("To continue using the software you must agree to the terms of the software license agreement.");
    const QString choice = tr("Click Agree to continue or click Disagree to cancel and quit the Installer.");
    // A screen reader speaks an alert's name and then the texts inside it, so
    // the choice is heard from its own text; as a description as well it
    // would be heard twice.
    setAccessibleName(message);
    content->addWidget(paddedText(message, Weight::bold, padding, columnWidget()));
    content->addStretch();
    content->addWidget(paddedText(choice, Weight::regular, padding, columnWidget()));
    content->addStretch();

    auto *readLicense = buttonrow::button(tr("Read License"), "readLicenseButton", columnWidget());
    auto *disagree = buttonrow::button(tr("Disagree"), "disagreeButton", columnWidget());
    auto *agree = buttonrow::button(tr("Agree"), "agreeButton", columnWidget());
    content->addLayout(buttonrow::row({readLicense, buttonrow::Stretch{}, disagree, agree}, padding));

    connect(readLicense, &QPushButton::clicked, &settings, [&settings] { settings.setShowLicenseAlert(false); });
    connect(disagree, &QPushButton::clicked, &settings, [&settings] { settings.terminateApp(); });
    // Agreeing leaves showLicenseAlert raised: the alert goes because the
    // license is now agreed to.
    connect(agree, &QPushButton::clicked, &settings, [&settings] { settings.agreeWithLicense(); });
}
