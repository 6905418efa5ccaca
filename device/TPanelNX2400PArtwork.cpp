#include "device/TPanelNX2400PArtwork.h"

#include "device/TPanelNX2400PLayout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace L = TPanelNX2400PLayout;

namespace {

const QColor kPrint(214, 218, 224);     // silk-screen white
const QColor kPrintDim(150, 156, 166);  // secondary print
const QColor kAccent(0, 156, 222);      // the maker's blue

QFont printFont(qreal pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(1);
    f.setPointSizeF(pixelSize * 0.75);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void centredText(QPainter &p, const QPointF &centre, const QString &text)
{
    const QRectF box(centre.x() - 30, centre.y() - 6, 60, 12);
    p.drawText(box, Qt::AlignCenter, text);
}

// A recess cut into the front: darker inside, lit on its lower edge.
void recess(QPainter &p, const QRectF &r, qreal radius, const QColor &inside)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(r.translated(0, 0.8), radius, radius);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(r.translated(0, -0.5), radius, radius);
    p.setBrush(inside);
    p.drawRoundedRect(r, radius, radius);
}

void screw(QPainter &p, const QPointF &c)
{
    QRadialGradient g(c - QPointF(1.2, 1.2), 4.5);
    g.setColorAt(0, QColor(190, 194, 200));
    g.setColorAt(1, QColor(78, 82, 88));
    p.setPen(QPen(QColor(18, 18, 20), 0.6));
    p.setBrush(g);
    p.drawEllipse(c, 3.4, 3.4);
    p.setPen(QPen(QColor(40, 42, 46), 0.9));
    p.drawLine(c + QPointF(-2, 1.2), c + QPointF(2, -1.2));
    p.drawLine(c + QPointF(-1.2, -2), c + QPointF(1.2, 2));
}

} // namespace

TPanelNX2400PArtwork::TPanelNX2400PArtwork(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanelNX2400PArtwork::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void TPanelNX2400PArtwork::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The picture is drawn for 762 x 100 and scaled alike both ways into the
    // widget, centred on the rack's dark.
    p.fillRect(rect(), QColor(10, 10, 12));
    const L::Placement placement = L::Placement::within(size());
    p.translate(placement.offset);
    p.scale(placement.scale, placement.scale);
    paintBody(p);
    paintBranding(p);
    paintSystemLeds(p);
    paintLedBlock(p);
    paintPortBlocks(p);
}

void TPanelNX2400PArtwork::paintBody(QPainter &p) const
{
    const QRectF all(0, 0, L::Width, L::Height);
    p.fillRect(all, QColor(10, 10, 12));
    QLinearGradient metal(0, 0, 0, L::Height);
    metal.setColorAt(0, QColor(62, 65, 71));
    metal.setColorAt(0.08, QColor(46, 49, 54));
    metal.setColorAt(0.55, QColor(36, 38, 43));
    metal.setColorAt(0.94, QColor(28, 30, 34));
    metal.setColorAt(1, QColor(16, 17, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRoundedRect(all.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    // A fine brushed grain.
    p.setPen(QPen(QColor(255, 255, 255, 7), 0.5));
    for (qreal y = 3; y < L::Height - 2; y += 1.5)
        p.drawLine(QPointF(2, y), QPointF(L::Width - 2, y));
    // Highlight along the top edge, shade along the bottom.
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
    p.drawLine(QPointF(3, 1.2), QPointF(L::Width - 3, 1.2));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawLine(QPointF(3, L::Height - 1), QPointF(L::Width - 3, L::Height - 1));

    // Mounting screws at both ends.
    screw(p, QPointF(10, 15));
    screw(p, QPointF(10, 85));
    screw(p, QPointF(L::Width - 10, 15));
    screw(p, QPointF(L::Width - 10, 85));

    // A thin blue line under the name, the maker's trademark stripe.
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRect(QRectF(22, 27.5, 78, 1.2));
}

void TPanelNX2400PArtwork::paintBranding(QPainter &p) const
{
    p.setPen(kPrint);
    QFont brand = printFont(15, true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(brand);
    p.drawText(QRectF(22, 6, 90, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brannoc"));
    p.setPen(kPrintDim);
    p.setFont(printFont(6.2));
    p.drawText(QRectF(22, 30, 90, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Managed PoE Switch"));

    // Model plate between the LED block and the ports.
    p.setPen(kPrint);
    QFont model = printFont(14, true);
    model.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    p.setFont(model);
    p.drawText(QRectF(240, 28, 94, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("NX-2400P"));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRect(QRectF(241, 49, 74, 1.2));
    p.setPen(kPrintDim);
    p.setFont(printFont(6.2));
    p.drawText(QRectF(241, 53, 94, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("24 x 10/100 PoE"));
    p.drawText(QRectF(241, 62, 94, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("+ 4 Gigabit / 2 SFP"));
}

void TPanelNX2400PArtwork::paintSystemLeds(QPainter &p) const
{
    // LED windows: the cells sit over them.
    const QPoint leds[4] = {L::powerLed, L::consoleLed, L::actLed, L::poeLed};
    for (const QPoint &led : leds)
        recess(p, QRectF(led.x() - 0.5, led.y() - 0.5, 8, 8), 1.5, QColor(6, 6, 7));

    p.setPen(kPrint);
    p.setFont(printFont(6.4));
    centredText(p, QPointF(L::powerLed.x() + 3.5, L::powerLed.y() - 6), QStringLiteral("Power"));
    centredText(p, QPointF(L::consoleLed.x() + 3.5, L::consoleLed.y() - 6), QStringLiteral("Console"));
    centredText(p, QPointF(L::actLed.x() + 3.5, L::actLed.y() - 6), QStringLiteral("Act"));
    centredText(p, QPointF(L::poeLed.x() + 3.5, L::poeLed.y() - 6), QStringLiteral("PoE"));

    // The mode button's recess and caption.
    const QRectF mode(L::modeButton);
    p.setPen(kPrint);
    centredText(p, QPointF(mode.center().x(), mode.top() - 6), QStringLiteral("Mode"));
}

void TPanelNX2400PArtwork::paintLedBlock(QPainter &p) const
{
    // A smoked window over the port LEDs.
    recess(p, QRectF(103, 16, 124, 74), 3, QColor(20, 21, 24));
    p.setPen(kPrint);
    p.setFont(printFont(6.2, true));
    p.drawText(QRectF(104, 6, 100, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Link/Act"));
    p.setFont(printFont(5.4));
    p.setPen(QColor(90, 220, 90));
    p.drawText(QRectF(145, 6, 40, 9), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("100M"));
    p.setPen(QColor(255, 150, 90));
    p.drawText(QRectF(187, 6, 40, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("10M"));

    // Each LED with its port number above it.
    p.setFont(printFont(5.2));
    for (int port = 1; port <= 28; ++port) {
        const QPoint led = L::portLedPos(port);
        recess(p, QRectF(led.x() - 0.3, led.y() - 0.3, 7.6, 7.6), 1.2, QColor(4, 4, 5));
        p.setPen(kPrintDim);
        p.drawText(QRectF(led.x() - 6.5, led.y() - 7.5, 20, 7), Qt::AlignCenter, QString::number(port));
    }
    // The uplinks' column apart from the copper ports.
    p.setPen(QPen(QColor(80, 84, 92), 0.6));
    p.drawLine(QPointF(199, 22), QPointF(199, 86));
}

void TPanelNX2400PArtwork::paintPortBlocks(QPainter &p) const
{
    // Copper ports 1-24 in two blocks of twelve.
    recess(p, QRectF(334, 24, 155, 53), 2, QColor(12, 12, 14));
    recess(p, QRectF(495, 24, 155, 53), 2, QColor(12, 12, 14));
    // Uplinks: two combo fibre slots and four copper sockets.
    recess(p, QRectF(655, 24, 86, 53), 2, QColor(12, 12, 14));

    p.setFont(printFont(6));
    p.setPen(kPrint);
    for (int port = 1; port <= 24; ++port) {
        const qreal x = L::copperSocketLeft(port) + 12.5;
        centredText(p, QPointF(x, port % 2 ? 20 : 83), QString::number(port));
    }
    for (int i = 0; i < 4; ++i) {
        const QRectF r(L::uplinkRect[i]);
        centredText(p, QPointF(r.center().x(), i % 2 ? 83 : 20), QString::number(25 + i));
    }
    p.setPen(kPrintDim);
    p.setFont(printFont(5.2));
    centredText(p, QPointF(QRectF(L::fibreRect[0]).center().x(), 20), QStringLiteral("SFP 25"));
    centredText(p, QPointF(QRectF(L::fibreRect[1]).center().x(), 83), QStringLiteral("SFP 26"));

    p.setFont(printFont(5.8));
    p.drawText(QRectF(334, 87, 316, 9), Qt::AlignCenter, QStringLiteral("10/100Base-TX  802.3af PoE"));
    p.drawText(QRectF(655, 87, 86, 9), Qt::AlignCenter, QStringLiteral("1000Base-T / SFP"));
}
