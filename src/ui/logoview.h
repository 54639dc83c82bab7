#pragma once

#include <QImage>
#include <QWidget>

// The maker's logo, stretched over its whole frame. A missing picture leaves
// the frame empty; the rest of the window does not depend on it.
class LogoView : public QWidget
{
    Q_OBJECT

public:
    explicit LogoView(const QImage &logo, QWidget *parent = nullptr);

    bool hasLogo() const { return !m_logo.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_logo;
};
