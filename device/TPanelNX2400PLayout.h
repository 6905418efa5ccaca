#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <algorithm>

// Where things sit on the NX-2400P front panel (pixels at 100 %), shared by the
// view and its artwork.
namespace TPanelNX2400PLayout {

inline constexpr int Width = 762;
inline constexpr int Height = 100;
// The size the panel opens at: port numbers and LEDs read comfortably there.
inline constexpr qreal ComfortableScale = 1.6;

// The panel drawn into a widget of any size: scaled alike both ways, as large
// as fits, centred; the rest is the rack's dark.
struct Placement
{
    qreal scale = 1;
    QPointF offset;

    static Placement within(const QSize &size)
    {
        const qreal s = std::max(0.1, std::min(size.width() / qreal(Width), size.height() / qreal(Height)));
        return {s, QPointF((size.width() - Width * s) / 2, (size.height() - Height * s) / 2)};
    }
    QRectF mapped(const QRectF &design) const
    {
        return QRectF(offset + design.topLeft() * scale, design.size() * scale);
    }
    // Whole pixels that meet their neighbours: edges rounded, not sizes.
    QRect mappedRect(const QRectF &design) const
    {
        const QRectF r = mapped(design);
        return QRect(QPoint(qRound(r.left()), qRound(r.top())), QPoint(qRound(r.right()) - 1, qRound(r.bottom()) - 1));
    }
};

// Copper ports 1-24: odd ports in the upper row, even ports in the lower one.
inline QRect copperPortRect(int port)
{
    constexpr int secondBlock[12] = {499, 498, 523, 524, 546, 550, 573, 574, 596, 597, 622, 622};
    const int top = port % 2 ? 27 : 52;
    const int left = port <= 12 ? 337 + 25 * ((port - 1) / 2) : secondBlock[port - 13];
    return QRect(left, top, 25, 23);
}

// Where the socket picture of a copper port 1-24 is drawn: the second block's
// buttons sit a pixel or two off the socket pitch, the pictures do not.
inline int copperSocketLeft(int port)
{
    if (port <= 12)
        return 337 + 25 * ((port - 1) / 2);
    constexpr int columns[6] = {498, 523, 548, 572, 597, 622};
    return columns[(port - 13) / 2];
}

inline constexpr QRect fibreRect[2] = {QRect(660, 30, 21, 15), QRect(658, 60, 21, 15)};
// Copper sockets of ports 25, 26, 27, 28.
inline constexpr QRect uplinkRect[4] = {QRect(690, 27, 22, 23), QRect(690, 53, 22, 23), QRect(716, 27, 22, 23),
                                        QRect(716, 53, 22, 23)};

inline constexpr int LedCell = 7;
// Port n (1-24): column (n-1)/4, row (n-1)%4.
inline constexpr int portLedColumn[6] = {109, 124, 139, 153, 167, 182};
inline constexpr int portLedRow[4] = {28, 45, 62, 78};
inline constexpr int uplinkLedLeft = 211;
inline constexpr int uplinkLedTop[4] = {27, 45, 62, 79};

inline QPoint portLedPos(int port)
{
    if (port <= 24)
        return QPoint(portLedColumn[(port - 1) / 4], portLedRow[(port - 1) % 4]);
    return QPoint(uplinkLedLeft, uplinkLedTop[port - 25]);
}

inline constexpr QPoint powerLed(24, 54);
inline constexpr QPoint consoleLed(24, 78);
inline constexpr QPoint actLed(51, 54);
inline constexpr QPoint poeLed(51, 77);
inline constexpr QRect modeButton(78, 62, 23, 23);

} // namespace TPanelNX2400PLayout
