#pragma once

#include <QWidget>

class AppSettings;

// The alert layer over the whole window. Placeholder until the overlays land:
// it never shows anything and lets every click through.
class AlertView : public QWidget
{
    Q_OBJECT

public:
    explicit AlertView(AppSettings &settings, QWidget *parent = nullptr);

private:
    AppSettings &m_settings;
};
