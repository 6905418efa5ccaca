#pragma once

#include <QRect>

// Where things sit on the NX-2400P front panel (pixels at 100 %), shared by the
// view and its artwork.
namespace TPanelNX2400PLayout {

inline constexpr int Width = 762;
inline constexpr int Height = 100;

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
