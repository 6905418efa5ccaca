#include "binding/QxSNMPRequest2Leds.h"

#include "snmp/QxNumList.h"
#include "snmp/QxOctetCodec.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"

#include <QFrame>

namespace {
// Out of range for the byte index of the variable's data.
constexpr int kIndexOutOfRange = -519;
} // namespace

QxSNMPRequest2Leds::QxSNMPRequest2Leds(QWidget *owner) : QxSNMPRequest2Controls(owner)
{
    connect(&m_pollTimer, &QTimer::timeout, this, &QxSNMPRequest2Leds::pollTick);
    connect(&m_blinkTimer, &QTimer::timeout, this, &QxSNMPRequest2Leds::blinkTick);
    m_blinkTimer.start(BlinkIntervalMs);
}

QxSNMPRequest2Leds::~QxSNMPRequest2Leds()
{
    m_pollTimer.stop();
    m_blinkTimer.stop();
    // Replies that come in while the request waits must not reach the LEDs.
    shutDown();
}

void QxSNMPRequest2Leds::addLed(int position, int byteIndex, const QxSNMPLedColorMapList *map, QxLedShape *shape)
{
    Led led;
    led.position = position;
    led.byteIndex = byteIndex;
    led.map = map;
    led.shape = shape;
    led.color = map ? map->blankColor() : 0;
    paint(led, led.color);
    m_leds.push_back(led);
}

void QxSNMPRequest2Leds::addLedRow(int position, const QString &byteList, const QxSNMPLedColorMapList *map,
                                   QWidget *panel, int left, int gap, QxLedShape::Kind kind, int width, int height)
{
    if (auto *frame = qobject_cast<QFrame *>(panel))
        frame->setFrameShape(QFrame::NoFrame);
    const QxNumList<int> bytes(byteList, QLatin1Char(','));
    for (int i = 0; i < bytes.count(); ++i) {
        auto *shape = new QxLedShape(panel, kind);
        shape->setGeometry(left + i * (gap + width), 1, width, height);
        shape->show();
        addLed(position, bytes.at(i), map, shape);
    }
}

void QxSNMPRequest2Leds::setMode(int mode, int directCount)
{
    m_mode = mode > 0 ? mode : 1;
    m_directCount = directCount > 0 ? directCount : 4;
}

void QxSNMPRequest2Leds::start(int period)
{
    m_pollTimer.setInterval(period * 10);
    m_pollTimer.start();
    // A restarted view blinks again (stop turned the blink timer off too).
    if (!m_blinkTimer.isActive())
        m_blinkTimer.start(BlinkIntervalMs);
    try {
        refresh();
    } catch (...) {
        reset();
        throw;
    }
}

void QxSNMPRequest2Leds::stop()
{
    m_pollTimer.stop();
    m_blinkTimer.stop();
    reset();
}

void QxSNMPRequest2Leds::reset()
{
    for (Led &led : m_leds) {
        led.blinking = false;
        led.color = led.map ? led.map->blankColor() : 0;
        paint(led, led.color);
    }
}

void QxSNMPRequest2Leds::pollTick()
{
    // A poll still waiting for its reply (a slow or silent agent) is not
    // overtaken by another one: its time-out reports the silence.
    if (busy())
        return;
    try {
        refresh();
    } catch (const QxSNMPException &e) {
        reset();
        showStatus(e.text());
    } catch (const std::exception &e) {
        // Nothing may leave a timer's handler.
        reset();
        showStatus(QString::fromLocal8Bit(e.what()));
    }
}

void QxSNMPRequest2Leds::blinkTick()
{
    paintLeds();
}

void QxSNMPRequest2Leds::rowRead()
{
    m_blinkCounter = 0;
    for (Led &led : m_leds)
        updateLed(led);
    paintLeds();
}

void QxSNMPRequest2Leds::readFailed(const QxSNMPError &error)
{
    // A switch that cannot be read shows no stale state.
    reset();
    showStatus(error.message);
}

void QxSNMPRequest2Leds::updateLed(Led &led)
{
    if (!led.map || led.position < 0 || led.position >= varList().count())
        return;
    const QxSNMPVariable &variable = varList().item(led.position);
    QString text = variable.valueText;
    if (variable.optionList)
        text = variable.optionList->textToValue(text);
    const QByteArray octets = QxOctetCodec::textToOctets(text, variable.syntax);
    const QxSNMPLedColorMapList &map = *led.map;
    const auto noData = [&] {
        if (!map.hasNoDataColor())
            QxSNMPException::raiseFramework(kIndexOutOfRange);
        led.blinking = false;
        led.color = map.noDataColor();
    };
    const int at = led.byteIndex;
    if (at < 0 || at >= octets.size()) {
        noData();
        return;
    }
    const quint8 state = quint8(octets.at(at));
    if (m_mode != 2 || at < m_directCount) {
        led.color = map.colorOf(state & map.valueMask());
        led.blinking = (state & map.blinkMask()) != 0;
        return;
    }
    // A pair cut off after its state octet has no colour: never read past the value.
    if (state == 1 || at + 1 >= octets.size()) {
        noData();
        return;
    }
    led.blinking = (state & map.blinkMask()) != 0;
    led.color = map.colorOf(quint8(octets.at(at + 1)) & map.valueMask());
}

void QxSNMPRequest2Leds::paintLeds()
{
    bool anyBlinking = false;
    for (Led &led : m_leds) {
        if (!led.blinking) {
            paint(led, led.color);
            continue;
        }
        anyBlinking = true;
        const int blank = led.map ? led.map->blankColor() : 0;
        const bool showsBlank = led.shape && led.shape->color() == QxLedShape::toQColor(blank);
        paint(led, showsBlank || m_blinkCounter > BlinkThreshold ? led.color : blank);
    }
    if (anyBlinking)
        ++m_blinkCounter;
}

void QxSNMPRequest2Leds::paint(Led &led, int color)
{
    if (led.shape)
        led.shape->setColor(QxLedShape::toQColor(color));
}
