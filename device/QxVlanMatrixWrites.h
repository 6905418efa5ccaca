#pragma once

#include "device/QxVlanMatrix.h"

#include <QObject>
#include <QString>
#include <memory>

class QWidget;
class QxSNMPRequest2Controls;
class QxSNMPRequest2Rows;
struct QxSNMPError;

// Writes a plan of the VLAN matrix to the switch, one write after the other,
// each through the module's one write function (so each is journalled, under
// the command "VLAN Matrix"): both port lists of a VLAN in one SET, with the
// lists last read as what they held before, then each PVID. The first write
// the switch refuses, or that the user's write preview keeps back, stops the
// rest. Nothing waits: every write is asynchronous.
class QxVlanMatrixWrites final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxVlanMatrixWrites)
public:
    static constexpr const char *CommandName = "VLAN Matrix";

    struct Outcome
    {
        int written = 0; // writes that went through
        int total = 0;
        // Which write the switch refused and why; empty when all went through.
        QString failure;
        // The PVIDs of the plan that were not written.
        QList<QxVlanMatrix::PvidWrite> pvidsNotWritten;
    };

    explicit QxVlanMatrixWrites(QWidget *owner);
    ~QxVlanMatrixWrites() override;

    // Starts the plan's writes; finished() tells how far they came.
    void start(const QxVlanMatrix::Plan &plan);
    bool busy() const { return m_running; }
    // The controller the writes go through, for whoever waits for the window.
    QxSNMPRequest2Controls *controller() const;
    // No more writes; the one on its way is waited for.
    void stop();

signals:
    void finished(const QxVlanMatrixWrites::Outcome &outcome);

private:
    // Writes step m_next; a write that cannot be sent ends the plan.
    void writeNext();
    void written(const QxSNMPError &error);
    void end(const QString &failure);
    QString stepName(int step) const;

    std::unique_ptr<QxSNMPRequest2Rows> m_binding;
    QxVlanMatrix::Plan m_plan;
    int m_next = 0;
    bool m_running = false;
};
