#pragma once

#include "binding/QxLedShape.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "format/QxSNMPLedColorMapList.h"

#include <QPointer>
#include <QTimer>
#include <vector>

// Polls one octet string that holds the states of a row of LEDs (one or two
// octets per LED) and shows them: each LED's state goes through its colour map,
// and LEDs whose state has a blink bit flash for a few blink ticks after each
// poll, then stay lit until the next one.
//
// Mode 1: every LED reads one state octet. Mode 2: the value starts with a header
// of `directCount` single-octet LEDs; every later LED reads a pair (state,
// colour), in which state 1 means "no data".
class QxSNMPRequest2Leds : public QxSNMPRequest2Controls
{
    Q_OBJECT

public:
    static constexpr int BlinkIntervalMs = 60;
    static constexpr int BlinkThreshold = 6;

    struct Led
    {
        int position = 0;  // variable in the list
        int byteIndex = 0; // state octet in the value
        const QxSNMPLedColorMapList *map = nullptr;
        QPointer<QxLedShape> shape;
        bool blinking = false;
        int color = 0;
    };

    explicit QxSNMPRequest2Leds(QWidget *owner);
    ~QxSNMPRequest2Leds() override;

    // Registers a LED and shows its shape in the map's blank colour.
    void addLed(int position, int byteIndex, const QxSNMPLedColorMapList *map, QxLedShape *shape);
    // One shape per number of the "," separated byte list, side by side inside
    // the panel: the i-th at left + i * (gap + width), top 1.
    void addLedRow(int position, const QString &byteList, const QxSNMPLedColorMapList *map, QWidget *panel,
                   int left, int gap, QxLedShape::Kind kind, int width, int height);
    // Values above 0 are taken; otherwise mode 1 and a header of 4.
    void setMode(int mode, int directCount);
    int mode() const { return m_mode; }
    int directCount() const { return m_directCount; }

    // Polls every period x 10 ms, starting with a read now. When that first
    // read cannot be sent every LED is reset and the error raised again.
    void start(int period);
    // Both timers off, every LED dark.
    void stop();
    // Every LED steady in its map's blank colour.
    void reset();

    // The timers' handlers, public so that a window or a test can drive them.
    void pollTick();
    void blinkTick();

    int ledCount() const { return int(m_leds.size()); }
    const Led &led(int i) const { return m_leds[size_t(i)]; }
    int blinkCounter() const { return m_blinkCounter; }
    QTimer &pollTimer() { return m_pollTimer; }
    QTimer &blinkTimer() { return m_blinkTimer; }

    void rowRead() override;
    void readFailed(const QxSNMPError &error) override;
    // Decodes one LED from the value now in the variable list.
    virtual void updateLed(Led &led);

private:
    void paintLeds();
    static void paint(Led &led, int color);

    std::vector<Led> m_leds;
    QTimer m_pollTimer;
    QTimer m_blinkTimer;
    int m_blinkCounter = 0;
    int m_mode = 1;
    int m_directCount = 4;
};
