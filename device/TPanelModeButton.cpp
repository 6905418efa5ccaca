#include "device/TPanelModeButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

TPanelModeButton::TPanelModeButton(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("LED Mode"));
}

void TPanelModeButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_down = true;
        update();
    }
}

void TPanelModeButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_down)
        return;
    m_down = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void TPanelModeButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    // The bezel ring set into the panel.
    QLinearGradient ring(r.topLeft(), r.bottomRight());
    ring.setColorAt(0, QColor(12, 12, 14));
    ring.setColorAt(1, QColor(96, 100, 108));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(r);
    // The cap, lit from the top left; darker while held down.
    const QRectF cap = r.adjusted(3, 3, -3, -3);
    QRadialGradient g(cap.center() - QPointF(cap.width() / 4, cap.height() / 4), cap.width());
    g.setColorAt(0, m_down ? QColor(120, 124, 130) : QColor(205, 208, 214));
    g.setColorAt(0.6, m_down ? QColor(70, 72, 78) : QColor(128, 132, 140));
    g.setColorAt(1, QColor(52, 54, 60));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 20, 22), 0.6));
    p.drawEllipse(cap);
}
