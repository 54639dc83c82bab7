#include "ui/alerts/finderalert.h"

#include "state/appsettings.h"
#include "ui/alerts/alertmetrics.h"
#include "ui/alerts/buttonrow.h"
#include "ui/alerts/gearicon.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

FinderAlert::FinderAlert(AppSettings &settings, QWidget *parent)
    : AlertCard(Qt::white, maximumRectangleSize, LimitScope::roundedRectangleOnly, parent)
{
    const int spacing = alertmetrics::defaultSpacing;
    QVBoxLayout *content = column();
    content->setSpacing(spacing);

    m_message =
        new QLabel(tr("To make changes with Installer please allow Finder access from Settings"), columnWidget());
    setAccessibleName(m_message->text());
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    content->addWidget(m_message);

    m_buttonRow = new QWidget(columnWidget());
    auto *close = buttonrow::button(tr("Close"), "closeAppButton", m_buttonRow);
    auto *openSettings = new QPushButton(gearicon::icon(palette().color(QPalette::ButtonText)), tr("Open settings"),
                                         m_buttonRow);
    openSettings->setObjectName(QStringLiteral("openSettingsButton"));
    buttonrow::row({close, openSettings}, 0, m_buttonRow);
    content->addWidget(m_buttonRow, 0, Qt::AlignHCenter);

    connect(close, &QPushButton::clicked, &settings, [&settings] { settings.terminateApp(); });
    connect(openSettings, &QPushButton::clicked, this, [this] { emit openSettingsRequested(settingsUrl()); });
}

QUrl FinderAlert::settingsUrl()
{
    return QUrl(QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_Automation"));
}

int FinderAlert::naturalColumnWidth() const
{
    // The message on one line when there is room; a word-wrapping label's own
    // hint would break it early. A longer message, as translations have,
    // wraps inside the rounded rectangle rather than running past its edges.
    const int messageWidth = std::min(m_message->fontMetrics().horizontalAdvance(m_message->text()) + 2,
                                      maximumRectangleSize.width() - 2 * alertmetrics::defaultSpacing);
    return std::max(messageWidth, m_buttonRow->sizeHint().width());
}
