#pragma once

#include "format/QxSNMPLedColorMapList.h"

// The three colour maps of the NX-2400P's LEDs. Built once, on first use, and
// kept until the program ends; every view shares them. All three mask the state
// with 0x07, blink on 0x80 and show black when off or without data.
class TPanelLedColorMaps
{
public:
    static constexpr int Black = 0x000000;
    static constexpr int Green = 0x00FF00;
    static constexpr int Blue = 0xFF0000;    // blue in the high octet
    static constexpr int Red = 0x0000FF;     // red in the low octet
    static constexpr int Orange = 0x4080FF;  // (255, 128, 64)

    // Power, console, activity and PoE.
    static const QxSNMPLedColorMapList &system();
    // Copper ports 1-24.
    static const QxSNMPLedColorMapList &port();
    // Uplink ports 25-28.
    static const QxSNMPLedColorMapList &comboPort();
};
