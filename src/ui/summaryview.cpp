#include "ui/summaryview.h"

#include "state/appsettings.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/linkbutton.h"
#include "ui/metrics.h"
#include "ui/readabletext.h"
#include "ui/symbolview.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

SummaryView::SummaryView(AppSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_icon(new SymbolView(Symbol::checkmarkCircle, colors::green(),
                            QSize(metrics::summaryIconSize, metrics::summaryIconSize)))
    , m_message(new ReadableText)
    , m_details(new LinkButton(tr("Details")))
{
    setObjectName(QStringLiteral("summaryPage"));
    m_icon->setObjectName(QStringLiteral("summaryIcon"));
    m_message->setObjectName(QStringLiteral("summaryMessage"));
    m_message->setAlignment(Qt::AlignHCenter);
    m_message->setFont(title3Font());
    m_message->setContentsMargins(metrics::defaultPadding, metrics::defaultPadding, metrics::defaultPadding, 0);
    m_details->setObjectName(QStringLiteral("detailsLink"));
    connect(m_details, &LinkButton::clicked, this,
            [this] { m_settings.setShowLogDetailsWindow(!m_settings.showLogDetailsWindow()); });

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(metrics::defaultSpacing);
    column->addStretch();
    column->addWidget(m_icon, 0, Qt::AlignHCenter);
    column->addWidget(m_message);
    column->addStretch();

    auto *linkRow = new QHBoxLayout;
    linkRow->setContentsMargins(metrics::defaultPadding, metrics::defaultPadding, metrics::defaultPadding,
                                metrics::defaultPadding);
    linkRow->addStretch();
    linkRow->addWidget(m_details);
    column->addLayout(linkRow);
}

void SummaryView::refresh()
{
    const bool failed = m_settings.completedWithErrors();
    m_icon->setSymbol(failed ? Symbol::exclamationmarkCircle : Symbol::checkmarkCircle,
                      failed ? colors::red() : colors::green());
    const QString iconName = failed ? tr("Failed") : tr("Success");
    if (m_icon->accessibleName() != iconName)
        m_icon->setAccessibleName(iconName);
    // The message takes the focus when the page comes up; named after the
    // outcome too, it is heard with the result before its text.
    if (m_message->accessibleName() != iconName)
        m_message->setAccessibleName(iconName);
    m_message->setText(failed ? tr("The installation was not completed successfully.")
                              : tr("You have been successfully installed selected products."));
    m_details->setVisible(failed);
}
