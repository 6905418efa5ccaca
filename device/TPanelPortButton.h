#pragma once

#include "device/QxPortState.h"

#include <QAbstractButton>

// One port socket of the front panel as a toggle button: an RJ-45 socket or a
// fibre (SFP) slot, drawn in code. Pressed, it is framed in the selection colour.
// Its identifier ("25.101": port, full stop, medium code) is never displayed.
class TPanelPortButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum Medium { Copper = 100, Fibre = 101 };

    TPanelPortButton(int port, Medium medium, bool latchDown, QWidget *parent = nullptr);

    int port() const { return m_port; }
    Medium medium() const { return m_medium; }
    QString identifier() const { return m_identifier; }
    // Draws the socket this many pixels to the right of the button's own place,
    // so that sockets keep their pitch where buttons do not.
    void setPictureOffset(int dx);
    // The panel's scale: the socket is drawn for its size at 100 %.
    void setScale(qreal scale);
    // What the socket shows of its port's state.
    void setState(const QxPortState &state);
    const QxPortState &state() const { return m_state; }
    // The colour of a link at this speed (0: not known).
    static QColor linkColour(quint64 speedMbps);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void paintCopper(QPainter &p, const QRectF &r) const;
    void paintFibre(QPainter &p, const QRectF &r) const;
    void paintState(QPainter &p, const QRectF &r) const;

    int m_port;
    Medium m_medium;
    bool m_latchDown; // the latch notch at the bottom (lower row) or top
    QString m_identifier;
    int m_pictureOffset = 0;
    qreal m_scale = 1;
    QxPortState m_state;
};
