#include "ui/alerts/progressalert.h"

#include "state/appsettings.h"
#include "ui/accessibility.h"
#include "ui/alerts/alertmetrics.h"
#include "ui/alerts/foldernews.h"

#include <QAccessible>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

using alertmetrics::Weight;

ProgressAlert::Display ProgressAlert::display(const ScriptProgress &progress)
{
    Display shown;
    if (progress.waitingForAuthentication) {
        // Nothing advances while the prompt is open.
        shown.heading = tr("Waiting for authentication…");
        return shown;
    }
    shown.heading = tr("Installing…");
    if (!progress.copiedFolder.isEmpty())
        shown.detail = tr("Copying “%1”").arg(progress.copiedFolder);
    if (progress.commandCount > 0) {
        shown.maximum = progress.commandCount;
        shown.value = std::clamp(progress.command - 1, 0, progress.commandCount);
    }
    return shown;
}

ProgressAlert::ProgressAlert(AppSettings &settings, QWidget *parent)
    : AlertCard(Qt::white, maximumCardSize, LimitScope::wholeCard, parent)
    , m_settings(settings)
{
    const int padding = alertmetrics::defaultPadding;
    QVBoxLayout *content = column();
    content->setSpacing(5);
    content->setContentsMargins(padding, padding, padding, padding);
    content->addStretch();

    m_heading = new QLabel(columnWidget());
    m_heading->setObjectName(QStringLiteral("progressHeading"));
    m_heading->setFont(alertmetrics::systemFont(13, Weight::bold));
    m_heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_heading->setWordWrap(true);
    content->addWidget(m_heading);

    m_bar = new QProgressBar(columnWidget());
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(tr("Installation progress"));
    content->addWidget(m_bar);

    // One line is kept for the folder's name even while none is copied, so
    // the card does not jump from one command to the next.
    m_detail = new QLabel(columnWidget());
    m_detail->setObjectName(QStringLiteral("progressDetail"));
    m_detail->setFont(alertmetrics::systemFont(12, Weight::regular));
    m_detail->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_detail->setWordWrap(true);
    m_detail->setTextFormat(Qt::PlainText);
    m_detail->setMinimumHeight(m_detail->fontMetrics().height());
    content->addWidget(m_detail);
    content->addStretch();

    m_tellLater.setSingleShot(true);
    connect(&m_tellLater, &QTimer::timeout, this, &ProgressAlert::refresh);
    refresh();
}

void ProgressAlert::refresh()
{
    const Display shown = display(m_settings.installProgress().value_or(ScriptProgress{}));
    // The labels tell assistive technology of their own new text, and the bar
    // of a new value; a new range alone would go unannounced.
    m_heading->setText(shown.heading);
    m_detail->setText(shown.detail);
    if (accessibleName() != shown.heading)
        setAccessibleName(shown.heading);
    const auto now = std::chrono::steady_clock::now();
    const FolderNews news = folderNews(shown.detail, m_toldDetail, m_toldAt, now);
    if (news.kind == FolderNews::Kind::tellNow) {
        m_tellLater.stop();
        m_toldDetail = shown.detail;
        m_toldAt = now;
        accessibility::tell(this, shown.detail);
    } else if (news.kind == FolderNews::Kind::tellLater && !m_tellLater.isActive()) {
        m_tellLater.start(news.after);
    }
    const bool newRange = m_bar->maximum() != shown.maximum;
    const bool newValue = m_bar->value() != shown.value;
    if (newRange)
        m_bar->setRange(0, shown.maximum);
    m_bar->setValue(shown.value);
    if (newRange && !newValue && m_bar->isVisible()) {
        QAccessibleValueChangeEvent event(m_bar, shown.value);
        QAccessible::updateAccessibility(&event);
    }
}
