#include "ui/alerts/logdetailswindow.h"

#include "state/appsettings.h"
#include "ui/alerts/alertmetrics.h"

#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

LogDetailsWindow::LogDetailsWindow(AppSettings &settings, QWidget *parent)
    : AlertCard(cardColor(), maximumCardSize, LimitScope::wholeCard, parent)
    , m_settings(settings)
{
    const int padding = alertmetrics::defaultPadding;
    QVBoxLayout *content = column();
    content->setSpacing(5);
    content->addSpacerItem(new QSpacerItem(0, 5, QSizePolicy::Minimum, QSizePolicy::Expanding));

    m_logText = new QLabel;
    m_logText->setObjectName(QStringLiteral("logText"));
    m_logText->setTextFormat(Qt::PlainText);
    m_logText->setWordWrap(false);
    m_logText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_logText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_logText->setContentsMargins(padding, padding, padding, padding);
    m_logText->setAutoFillBackground(true);
    QPalette white = m_logText->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_logText->setPalette(white);

    m_logArea = new QScrollArea(columnWidget());
    m_logArea->setObjectName(QStringLiteral("logArea"));
    // The text keeps its natural size and sits at the top left; the area
    // stays white around a short text and scrolls each way a long one needs.
    m_logArea->setWidgetResizable(true);
    m_logArea->setWidget(m_logText);
    m_logArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_logArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_logArea->setFrameShape(QFrame::NoFrame);
    m_logArea->setBackgroundRole(QPalette::Base);
    m_logArea->viewport()->setPalette(white);
    // 500 by 300 where the window allows; in a smaller window it gives way
    // with the card instead of pushing the buttons out of sight.
    m_logArea->setMaximumSize(logAreaSize);
    m_logArea->setMinimumSize(0, 0);
    m_logArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    content->addWidget(m_logArea, 1);
    content->addStretch();

    auto *copy = new QPushButton(tr("Copy to Clipboard"), columnWidget());
    copy->setObjectName(QStringLiteral("copyLogButton"));
    auto *close = new QPushButton(tr("Close"), columnWidget());
    close->setObjectName(QStringLiteral("closeLogButton"));
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(padding, padding, padding, padding);
    buttons->setSpacing(alertmetrics::defaultSpacing);
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    content->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, &LogDetailsWindow::copyToClipboard);
    // Flipped rather than cleared; the window is shown only while it is set.
    connect(close, &QPushButton::clicked, &settings,
            [&settings] { settings.setShowLogDetailsWindow(!settings.showLogDetailsWindow()); });
    refresh();
}

void LogDetailsWindow::refresh()
{
    if (m_logText->text() != m_settings.logDetailsStr())
        m_logText->setText(m_settings.logDetailsStr());
}

void LogDetailsWindow::copyToClipboard()
{
    QClipboard *clipboard = m_settings.pasteboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setText(m_settings.logDetailsStr());
}
