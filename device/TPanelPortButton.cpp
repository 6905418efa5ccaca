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

void TPanelPortButton::setScale(qreal scale)
{
    m_scale = scale > 0 ? scale : 1;
    update();
}

void TPanelPortButton::setState(const QxPortState &state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
}

QColor TPanelPortButton::linkColour(quint64 speedMbps)
{
    if (speedMbps == 0 || speedMbps >= 1000)
        return QColor(0, 214, 80); // gigabit and faster, or not known
    if (speedMbps >= 100)
        return QColor(150, 214, 0);
    return QColor(240, 168, 0);
}

void TPanelPortButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn at 100 % and scaled with the panel.
    p.scale(m_scale, m_scale);
    const QRectF whole(0, 0, width() / m_scale, height() / m_scale);
    p.save();
    p.translate(m_pictureOffset, 0);
    const QRectF r = whole.adjusted(1, 1, -1, -1);
    if (m_medium == Fibre)
        paintFibre(p, r);
    else
        paintCopper(p, r);
    paintState(p, r);
    p.restore();
    if (isChecked() || isDown()) {
        p.setPen(QPen(kSelection, 1.4));
        p.setBrush(QColor(255, 196, 0, 40));
        p.drawRoundedRect(whole.adjusted(0.7, 0.7, -0.7, -0.7), 2, 2);
    }
}

void TPanelPortButton::paintState(QPainter &p, const QRectF &r) const
{
    // Link: a lit frame in the speed's colour; disabled: a red bar across the
    // socket, unmistakable beside an unplugged (plain) one.
    if (m_state.link == QxPortState::Link::Up) {
        p.setPen(QPen(linkColour(m_state.speedMbps), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.4, 0.4, -0.4, -0.4), 1.5, 1.5);
    } else if (m_state.link == QxPortState::Link::Disabled) {
        p.setPen(QPen(QColor(232, 32, 32), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.left() + 2, r.bottom() - 2), QPointF(r.right() - 2, r.top() + 2));
        p.setPen(QPen(QColor(232, 32, 32), 1.0, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    }
    const qreal mark = std::min(r.width(), r.height()) * 0.34;
    if (m_state.poeDelivering) {
        // A yellow bolt in the upper right corner.
        const QPointF o(r.right() - mark - 0.5, r.top() + 0.5);
        QPainterPath bolt;
        bolt.moveTo(o + QPointF(mark * 0.62, 0));
        bolt.lineTo(o + QPointF(mark * 0.18, mark * 0.58));
        bolt.lineTo(o + QPointF(mark * 0.48, mark * 0.58));
        bolt.lineTo(o + QPointF(mark * 0.30, mark));
        bolt.lineTo(o + QPointF(mark * 0.86, mark * 0.38));
        bolt.lineTo(o + QPointF(mark * 0.54, mark * 0.38));
        bolt.closeSubpath();
        p.setPen(QPen(QColor(60, 40, 0), 0.4));
        p.setBrush(QColor(255, 214, 0));
        p.drawPath(bolt);
    }
    if (m_state.errors) {
        // A red dot in the upper left corner.
        p.setPen(QPen(QColor(60, 0, 0), 0.4));
        p.setBrush(QColor(255, 48, 48));
        p.drawEllipse(QRectF(r.left() + 0.8, r.top() + 0.8, mark * 0.7, mark * 0.7));
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
