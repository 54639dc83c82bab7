#include "ui/alertview.h"

AlertView::AlertView(AppSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}
