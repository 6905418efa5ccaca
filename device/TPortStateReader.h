#pragma once

#include "device/QxPortState.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <array>
#include <memory>

class QWidget;
class QxPortRead;
struct QxSNMPError;

// Reads what the front panel's sockets show, for all 28 ports in one
// asynchronous GET per poll (administrative and link state, speed, duplex,
// error counters, PoE status): as light as the LED poll beside it. A port
// whose error counters grew in one of the last few polls shows errors.
class TPortStateReader final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPortStateReader)
public:
    static constexpr int Ports = 28;
    static constexpr int PollMs = 3000;
    // How many polls a port keeps its error mark after its counters grew.
    static constexpr int ErrorPolls = 3;

    explicit TPortStateReader(QWidget *owner);
    ~TPortStateReader() override;

    // Polls now and then every PollMs.
    void start();
    void stop();
    // Reads now (a poll on its way answers for it).
    void poll();

    QxPortState state(int port) const;

signals:
    // Every poll ends with this, with its outcome; the states are kept when it failed.
    void statesRead(const QxSNMPError &error);

private:
    void read(const QStringList &values, const QxSNMPError &error);

    std::unique_ptr<QxPortRead> m_read;
    QTimer m_timer;
    std::array<QxPortState, Ports> m_states{};
    std::array<quint64, Ports> m_errorCounts{};
    std::array<int, Ports> m_errorPolls{};
    bool m_counted = false;
    bool m_pollAgain = false;
};
