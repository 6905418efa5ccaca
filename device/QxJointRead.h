#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QxSNMPRequest2Controls;
class QxSNMPRequest2Rows;
struct QxSNMPError;

// Tables a view reads together: a read starts them all, and once the last has
// ended the view hears it once, with the first failure. A read still running
// is not started again.
class QxJointRead final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxJointRead)
public:
    QxJointRead(const QList<QxSNMPRequest2Rows *> &bindings, QObject *parent);

    // False while a read runs, or once stopped.
    bool start();
    bool running() const { return m_waiting > 0; }
    // Every table stops first, so that they wait out a silent agent together;
    // then each is waited for (from inside its own completion it cannot be: it
    // sends nothing more and ends on its own).
    void stop();

    // What the last read left: whether this table failed, and the first
    // failure with the list it came from (empty when every table answered).
    bool failed(const QxSNMPRequest2Controls *binding) const { return m_failed.contains(binding); }
    const QString &failure() const { return m_failure; }
    const QString &failedList() const { return m_failedList; }

signals:
    void ended();

private:
    void tableRead(QxSNMPRequest2Controls *binding, const QxSNMPError &error);

    QList<QxSNMPRequest2Rows *> m_bindings;
    int m_waiting = 0;
    QSet<const QxSNMPRequest2Controls *> m_failed;
    QString m_failure;
    QString m_failedList;
};
