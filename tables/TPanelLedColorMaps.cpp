#include "tables/TPanelLedColorMaps.h"

namespace {

constexpr quint8 kValueMask = 0x07;
constexpr quint8 kBlinkMask = 0x80;

using M = TPanelLedColorMaps;

// Values 6 and 7 are not listed: they show black.
constexpr QxSNMPLedColorItem kSystem[] = {
    {0, M::Black}, {1, M::Black}, {2, M::Green}, {3, M::Green}, {4, M::Blue}, {5, M::Red}, {0, -1}};
constexpr QxSNMPLedColorItem kPort[] = {
    {0, M::Orange}, {1, M::Orange}, {2, M::Green}, {3, M::Green}, {4, M::Green}, {5, M::Red}, {0, -1}};
constexpr QxSNMPLedColorItem kComboPort[] = {
    {0, M::Black}, {1, M::Orange}, {2, M::Orange}, {3, M::Green}, {4, M::Green}, {5, M::Red}, {0, -1}};

} // namespace

const QxSNMPLedColorMapList &TPanelLedColorMaps::system()
{
    static const QxSNMPLedColorMapList map(kSystem, kValueMask, kBlinkMask, Black, Black);
    return map;
}

const QxSNMPLedColorMapList &TPanelLedColorMaps::port()
{
    static const QxSNMPLedColorMapList map(kPort, kValueMask, kBlinkMask, Black, Black);
    return map;
}

const QxSNMPLedColorMapList &TPanelLedColorMaps::comboPort()
{
    static const QxSNMPLedColorMapList map(kComboPort, kValueMask, kBlinkMask, Black, Black);
    return map;
}
