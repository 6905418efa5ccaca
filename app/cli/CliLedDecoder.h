#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Decodes the switch's front-panel LED status string (swL2DevInfoFrontPanelLedStatus)
// for the command-line client: a header of four single-byte system LEDs (bytes
// 0-3: Act, PoE, Power, Console), then one byte pair (state, colour) per port
// 1-28. State 1 means no data; the blink bit of a state makes the LED blink; the
// colour byte picks the colour from the LED's map. The maps are the front
// panel's own (TPanelLedColorMaps). An LED whose bytes lie beyond the end of the
// string shows its map's no-data colour, steady.
class CliLedDecoder
{
public:
    struct Led
    {
        QString name;
        QString colour; // "black", "green", "blue", "red" or "orange"
        bool blinking = false;
    };

    // System LEDs (Power, Console, Act, PoE), then ports 1 to 28.
    static QList<Led> decode(const QByteArray &status);
    // One line per LED: name, colour and "blinking" or "steady", tab-separated.
    static QString lines(const QList<Led> &leds);
};
