#include "format/QxSNMPLedColorMapList.h"

QxSNMPLedColorMapList::QxSNMPLedColorMapList(const QxSNMPLedColorItem *items, quint8 valueMask, quint8 blinkMask,
                                             int blankColor, int noDataColor)
    : m_valueMask(valueMask), m_blinkMask(blinkMask), m_blankColor(blankColor), m_noDataColor(noDataColor)
{
    for (const QxSNMPLedColorItem *item = items; item && item->color != NoColor; ++item)
        m_items.push_back(*item);
}

int QxSNMPLedColorMapList::colorOf(int key) const
{
    for (const QxSNMPLedColorItem &item : m_items) {
        if ((item.key & 0xFF) == (key & 0xFF))
            return item.color;
    }
    return 0;
}

int QxSNMPLedColorMapList::fromRgb(int red, int green, int blue)
{
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}
