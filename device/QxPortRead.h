#pragma once

#include "device/QxCounterRates.h"
#include "snmp/QxSNMPError.h"

#include <QObject>
#include <QStringList>
#include <memory>

class QWidget;
class QxSNMPRequest2Rows;
struct QxDescriptorTable;

// One port's (or several ports') columns of a table (PortViewTables) read with one asynchronous
// GET: every column at the port's instance, sysUpTime at 0. SNMPv1 has no
// 64-bit counters, so those are left out of its reads; an SNMPv1 agent that
// lacks an object answers the whole GET with noSuchName, so that object is left
// out and the read made again (each at most once). What an agent lacks reads
// as "(NULL)".
class QxPortRead final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxPortRead)
public:
    QxPortRead(QWidget *owner, const QxDescriptorTable &table, int port);
    // Several ports in one GET: the table's columns for each port in turn, so
    // that done() gives columns x ports values.
    QxPortRead(QWidget *owner, const QxDescriptorTable &table, const QList<int> &ports);
    ~QxPortRead() override;

    int port() const { return m_port; }
    // Starts a read; false (and nothing sent) while one is on its way.
    bool start();
    bool busy() const;
    QxSNMPRequest2Rows &binding() { return *m_binding; }

    // A counter from a read: the 64-bit column where the agent gave it, else
    // the 32-bit one; none where it gave neither.
    static std::optional<QxCounterReading> counter(const QStringList &values, int wideColumn, int narrowColumn);
    // The agent's sysUpTime from a read, if it came.
    static std::optional<quint32> upTime(const QStringList &values, int column);

signals:
    // Every read ends with this: the values in the table's column order (empty
    // when the read failed) and the read's outcome.
    void done(const QStringList &values, const QxSNMPError &error);

private:
    void readDone(const QxSNMPError &error);

    int m_port;
    std::unique_ptr<QxSNMPRequest2Rows> m_binding;
};
