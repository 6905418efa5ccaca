#pragma once

#include <QtGlobal>
#include <vector>

// One entry of a static colour-map array; an array ends at the first entry
// whose colour is -1.
struct QxSNMPLedColorItem
{
    int key;   // its low octet is compared with the masked state octet
    int color; // 24-bit colour, red in the low octet, blue in the high one
};

// Turns an LED's state octet into a colour: the octet is masked, then looked up.
// Maps are built once and shared by every LED that uses them.
class QxSNMPLedColorMapList
{
public:
    static constexpr int NoColor = -1;

    QxSNMPLedColorMapList(const QxSNMPLedColorItem *items, quint8 valueMask, quint8 blinkMask, int blankColor,
                          int noDataColor);

    quint8 valueMask() const { return m_valueMask; }
    quint8 blinkMask() const { return m_blinkMask; }
    int blankColor() const { return m_blankColor; }
    // NoColor: a LED without data is an error instead of a colour.
    int noDataColor() const { return m_noDataColor; }
    bool hasNoDataColor() const { return m_noDataColor != NoColor; }
    int count() const { return int(m_items.size()); }

    // The colour of the first item whose key's low octet is k's; black when none.
    int colorOf(int key) const;

    // A 24-bit colour value (red low) from its components; QxLedShape::toQColor
    // turns one into a Qt colour, so the maps stay free of Qt Gui.
    static int fromRgb(int red, int green, int blue);

private:
    std::vector<QxSNMPLedColorItem> m_items;
    quint8 m_valueMask;
    quint8 m_blinkMask;
    int m_blankColor;
    int m_noDataColor;
};
