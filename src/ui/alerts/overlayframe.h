#pragma once

#include <QWidget>

class AlertCard;

// One overlay: a dimming backdrop over the whole area with the card centred
// on it. The backdrop takes every pointer event, so nothing beneath it can be
// clicked, scrolled or hovered while the overlay is up, and Tab cycles
// through the overlay's own controls only.
class OverlayFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal backdropOpacity = 0.65;

    // Takes ownership of `card`.
    explicit OverlayFrame(AlertCard *card, QWidget *parent = nullptr);

    AlertCard *card() const { return m_card; }
    // The backdrop's colour before its opacity is applied.
    static QColor backdropColor();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void placeCard();

    AlertCard *m_card = nullptr;
};
