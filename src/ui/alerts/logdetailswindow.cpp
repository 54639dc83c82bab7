#include "ui/alerts/logdetailswindow.h"

#include "state/appsettings.h"
#include "ui/accessibility.h"
#include "ui/alerts/alertmetrics.h"
#include "ui/alerts/buttonrow.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

LogDetailsWindow::LogDetailsWindow(AppSettings &settings, QWidget *parent)
    : AlertCard(cardColor(), maximumCardSize, LimitScope::wholeCard, parent)
    , m_settings(settings)
{
    // Named by what the log explains.
    setAccessibleName(tr("The installation was not completed successfully."));
    const int padding = alertmetrics::defaultPadding;
    QVBoxLayout *content = column();
    content->setSpacing(5);
    content->addSpacerItem(new QSpacerItem(0, 5, QSizePolicy::Minimum, QSizePolicy::Expanding));

    // A view made for large plain text: it lays out only the lines in sight,
    // so a log of many megabytes opens and closes at once. It scrolls both
    // ways, takes the focus and has a caret, so the log can be read line by
    // line and selected from the keyboard.
    m_logText = new QPlainTextEdit(columnWidget());
    m_logText->setObjectName(QStringLiteral("logText"));
    m_logText->setReadOnly(true);
    m_logText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_logText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_logText->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_logText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_logText->document()->setDocumentMargin(padding);
    QPalette white = m_logText->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_logText->setPalette(white);
    m_logText->setAccessibleName(tr("Details"));
    // 500 by 300 where the window allows; in a smaller window it gives way
    // with the card instead of pushing the buttons out of sight.
    m_logText->setMaximumSize(logAreaSize);
    m_logText->setMinimumSize(0, 0);
    m_logText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    content->addWidget(m_logText, 1);
    content->addStretch();

    m_copy = buttonrow::button(tr("Copy to Clipboard"), "copyLogButton", columnWidget());
    auto *close = buttonrow::button(tr("Close"), "closeLogButton", columnWidget());
    content->addLayout(buttonrow::row({m_copy, buttonrow::Stretch{}, close}, padding));

    connect(m_copy, &QPushButton::clicked, this, &LogDetailsWindow::copyToClipboard);
    // Flipped rather than cleared; the window is shown only while it is set.
    connect(close, &QPushButton::clicked, &settings,
            [&settings] { settings.setShowLogDetailsWindow(!settings.showLogDetailsWindow()); });
    refresh();
}

QString LogDetailsWindow::shownText(const QString &log)
{
    QString shown;
    qsizetype copied = 0;
    qsizetype lineStart = 0;
    while (lineStart < log.size()) {
        qsizetype lineEnd = log.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = log.size();
        for (qsizetype cut = lineStart + longestShownLine; cut < lineEnd; cut += longestShownLine) {
            shown += QStringView(log).sliced(copied, cut - copied);
            shown += QLatin1Char('\n');
            copied = cut;
        }
        lineStart = lineEnd + 1;
    }
    // Most logs have no such line and are returned as they are.
    if (copied == 0)
        return log;
    shown += QStringView(log).sliced(copied);
    return shown;
}

void LogDetailsWindow::refresh()
{
    // Comparing with the text shown last costs nothing while the two share
    // their data, which they do until the log changes.
    if (m_shownLog.isNull() || m_shownLog != m_settings.logDetailsStr()) {
        m_shownLog = m_settings.logDetailsStr();
        m_logText->setPlainText(shownText(m_shownLog));
    }
}

void LogDetailsWindow::copyToClipboard()
{
    QClipboard *clipboard = m_settings.pasteboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setText(m_settings.logDetailsStr());
    accessibility::tell(m_copy, tr("Copied to the clipboard"));
}
