#pragma once

#include "device/QxCounterRates.h"
#include "device/QxPortDetails.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <map>
#include <memory>

class QWidget;
class QxPortRead;
class QxSNMPRequest2Controls;
class QxSNMPRequest2Rows;
struct QxSNMPError;

// Reads what a port's tooltip shows, asynchronously, never blocking: one small
// GET of the port's own objects per look, and the VLAN and LLDP neighbour
// tables, which every port's tooltip shares. What was read is kept for a few
// seconds: a look at a port read that recently reads nothing. The rates come
// from the port's last two samples; a look that finds only one takes a second
// sample two seconds later.
class TPortDetailsReader final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPortDetailsReader)
public:
    static constexpr int FreshMs = 5000;
    static constexpr int SecondSampleMs = 2000;

    explicit TPortDetailsReader(QWidget *owner);
    ~TPortDetailsReader() override;

    // What is known of the port now.
    QxPortDetails details(int port) const;
    // Reads what is not fresh.
    void look(int port);

signals:
    void detailsChanged(int port);

private:
    struct Port
    {
        std::unique_ptr<QxPortRead> read;
        QStringList values;
        QString error;
        QElapsedTimer readAt;
        QxCounterRates rates{{QxCounterRates::octetBits(), QxCounterRates::octetBits()}};
        std::optional<double> inBps;
        std::optional<double> outBps;
        bool secondSampleDue = false;
    };
    struct Table
    {
        std::unique_ptr<QxSNMPRequest2Rows> binding;
        QElapsedTimer readAt;
    };

    Port &portEntry(int port);
    void portRead(int port, const QStringList &values, const QxSNMPError &error);
    static void readIfStale(Table &table);
    void tableRead();

    QPointer<QWidget> m_owner;
    QElapsedTimer m_clock; // the samples' local time
    std::map<int, Port> m_ports;
    Table m_vlans;
    Table m_neighbours;
};
