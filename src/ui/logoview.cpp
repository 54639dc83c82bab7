#include "ui/logoview.h"

#include "ui/metrics.h"

#include <QPainter>

LogoView::LogoView(const QImage &logo, QWidget *parent)
    : QWidget(parent)
    , m_logo(logo)
{
    setObjectName(QStringLiteral("logo"));
    setAccessibleName(QStringLiteral("Veltrano"));
    setFixedWidth(metrics::logoWidth);
    setMinimumHeight(metrics::logoMinimumHeight);
    setMaximumHeight(metrics::logoMaximumHeight);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void LogoView::paintEvent(QPaintEvent *)
{
    if (m_logo.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), m_logo);
}
