#include "binding/QxLedShape.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

QxLedShape::QxLedShape(QWidget *parent, Kind kind) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QxLedShape::setKind(Kind kind)
{
    m_kind = kind;
    update();
}

void QxLedShape::setColor(const QColor &color)
{
    if (color != m_color) {
        m_color = color;
        update();
    }
    show();
}

QColor QxLedShape::toQColor(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void QxLedShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(rect());
    if (m_kind == Square || m_kind == RoundSquare || m_kind == Circle) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
    }
    QPainterPath path;
    switch (m_kind) {
    case Ellipse:
    case Circle:
        path.addEllipse(r);
        break;
    case RoundRect:
    case RoundSquare:
        path.addRoundedRect(r, r.width() / 4, r.height() / 4);
        break;
    default:
        path.addRoundedRect(r, 0.6, 0.6);
        break;
    }
    const bool lit = m_color.red() + m_color.green() + m_color.blue() > 0;
    if (!lit) {
        // An unlit lens: nearly black with a faint sheen at the top.
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(58, 60, 64));
        g.setColorAt(1, QColor(14, 15, 17));
        p.fillPath(path, g);
        return;
    }
    // A lit lens: the colour, brighter towards a hot spot near its top left.
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), std::max(r.width(), r.height()));
    g.setColorAt(0, m_color.lighter(170));
    g.setColorAt(0.45, m_color);
    g.setColorAt(1, m_color.darker(130));
    p.fillPath(path, g);
    p.setPen(QPen(m_color.darker(160), 0.5));
    p.drawPath(path);
}
