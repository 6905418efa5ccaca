#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

#include <QStringList>
#include <span>

class QComboBox;
class QPushButton;
class QTimer;
class TRateChartForm;

// A timed monitor of one port's counters: the port list (binding A over a
// port table), the counters of the port clicked (binding B, one GET at that
// port's instance, synchronous once a port was clicked) in fixed rows of a
// value list, an interval list and its timer. A port click starts monitoring
// at 5 s; Refresh, a click on no port, a counter read without a row and a
// write return it to idle.
//
// The values a read brings are announced (countersShown) before anything else
// is done with them, so a chart or rate view of the same counters can follow a
// monitor without the dialog being changed; "Chart…" opens one, the rates
// per second of the monitored port's counters.
class TCounterMonitorForm : public TDedicatedForm
{
    Q_OBJECT

public:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *ports;
        const QxDescriptorTable *counters;
        // The fixed rows of the value list, one per counter, in the counters' order.
        std::span<const char *const> rowNames;
        // The controls of the port table's columns.
        std::span<const DedicatedField> fields = {};
        // With "Set": the port table's writable columns are written for the selected port.
        bool writable = false;
    };

    QxSNMPRequest2Edits *portBinding() const { return m_ports; }
    QxSNMPRequest2Edits *counterBinding() const { return m_counters; }
    QTimer *timer() const { return m_timer; }
    bool monitoring() const;
    // The counters' captions, in the order countersShown gives their values.
    QStringList counterNames() const;
    // The chart of the counters' rates ("Chart…"), opened or raised.
    TRateChartForm *openChart();

signals:
    // The counters of the monitored port as the last read brought them (decimal texts).
    void countersShown(const QString &port, const QStringList &values);
    // The display went back to idle: no port is monitored any more.
    void displayReset();

protected:
    TCounterMonitorForm(QWidget *parent, const Spec &spec);

    // Reads the port list; the dialog calls it once its own controls are bound.
    void start();

    // After every read of the port list, whatever its outcome.
    virtual void portsRead();
    // The port controls the dialog added go back to showing nothing.
    virtual void clearPortControls();

    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    // Idle display and cleared port controls.
    void reset();
    void resetCounters();
    void intervalChosen(int item);
    void tick();
    // Copies the counter row into the value list; without one the monitoring ends.
    void showCounters();
    QString selectedPort() const;
    void refresh();
    void set();

    const QxDescriptorTable &m_counterTable;
    QxListView *m_list = nullptr;
    QTreeWidget *m_values = nullptr;
    QTreeWidget *m_chart = nullptr;
    QComboBox *m_interval = nullptr;
    QTimer *m_timer = nullptr;
    QPushButton *m_btnSet = nullptr;
    QString m_monitoredPort;
    QPointer<TRateChartForm> m_rateChart;
    QString m_chartPort;
    QPointer<QxSNMPRequest2Edits> m_ports;
    QPointer<QxSNMPRequest2Edits> m_counters;
};
