#include "device/TPanelPortButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kSelection(255, 196, 0);
} // namespace

TPanelPortButton::TPanelPortButton(int port, Medium medium, bool latchDown, QWidget *parent)
    : QAbstractButton(parent), m_port(port), m_medium(medium), m_latchDown(latchDown),
      m_identifier(QStringLiteral("%1.%2").arg(port).arg(int(medium)))
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setToolTip(QStringLiteral("Port %1%2").arg(port).arg(medium == Fibre ? QStringLiteral(" (fibre)") : QString()));
}

void TPanelPortButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double-click selects like a click; the panel opens the port's traffic.
    event->accept();
    emit doubleClicked();
}

void TPanelPortButton::setPictureOffset(int dx)
{
    m_pictureOffset = dx;
    update();
}

void TPanelPortButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(m_pictureOffset, 0);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (m_medium == Fibre)
        paintFibre(p, r);
    else
        paintCopper(p, r);
    if (isChecked() || isDown()) {
        p.setPen(QPen(kSelection, 1.4));
        p.setBrush(QColor(255, 196, 0, 40));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.7, 0.7, -0.7, -0.7), 2, 2);
    }
}

void TPanelPortButton::paintCopper(QPainter &p, const QRectF &r) const
{
    // Metal shield around the socket.
    const QRectF shield = r.adjusted(1, 1, -1, -1);
    QLinearGradient metal(shield.topLeft(), shield.bottomLeft());
    metal.setColorAt(0, QColor(196, 199, 204));
    metal.setColorAt(0.5, QColor(150, 154, 160));
    metal.setColorAt(1, QColor(112, 116, 122));
    p.setPen(QPen(QColor(40, 42, 46), 0.6));
    p.setBrush(metal);
    p.drawRoundedRect(shield, 1.2, 1.2);

    // The opening with its latch notch (on the side of the latch).
    const QRectF hole = shield.adjusted(2, 2, -2, -2);
    const qreal notchW = hole.width() * 0.42;
    const qreal notchH = hole.height() * 0.24;
    const qreal bodyTop = m_latchDown ? hole.top() : hole.top() + notchH;
    const qreal bodyBottom = m_latchDown ? hole.bottom() - notchH : hole.bottom();
    QPainterPath opening;
    opening.addRect(QRectF(hole.left(), bodyTop, hole.width(), bodyBottom - bodyTop));
    const qreal nx = hole.center().x() - notchW / 2;
    opening.addRect(QRectF(nx, m_latchDown ? bodyBottom - 0.5 : hole.top(), notchW, notchH + 0.5));
    opening.setFillRule(Qt::WindingFill);
    QLinearGradient dark(hole.topLeft(), hole.bottomLeft());
    dark.setColorAt(0, m_latchDown ? QColor(34, 35, 38) : QColor(8, 8, 9));
    dark.setColorAt(1, m_latchDown ? QColor(8, 8, 9) : QColor(34, 35, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPath(opening.simplified());

    // Eight gold contacts on the side away from the latch.
    const qreal contactsY = m_latchDown ? bodyTop + 0.6 : bodyBottom - 2.6;
    const qreal pitch = (hole.width() - 3) / 8;
    p.setBrush(QColor(214, 170, 60));
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(hole.left() + 1.5 + i * pitch + pitch * 0.2, contactsY, pitch * 0.55, 2.0));
}

void TPanelPortButton::paintFibre(QPainter &p, const QRectF &r) const
{
    // The SFP cage: bright metal with a dark slot and a dust plug.
    QLinearGradient metal(r.topLeft(), r.bottomLeft());
    metal.setColorAt(0, QColor(214, 216, 220));
    metal.setColorAt(1, QColor(140, 144, 150));
    p.setPen(QPen(QColor(40, 42, 46), 0.6));
    p.setBrush(metal);
    p.drawRoundedRect(r, 1, 1);
    const QRectF slot = r.adjusted(1.6, 2.2, -1.6, -2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 14, 16));
    p.drawRect(slot);
    p.setBrush(QColor(52, 54, 60));
    p.drawRect(QRectF(slot.left() + 1.5, slot.top() + 1.5, slot.width() - 3, slot.height() - 3));
    p.setBrush(QColor(24, 25, 28));
    p.drawRect(QRectF(slot.center().x() - 0.4, slot.top() + 1.5, 0.8, slot.height() - 3));
}
