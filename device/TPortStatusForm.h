#pragma once

#include "binding/QxControllerHost.h"
#include "device/QxPortTraffic.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <map>
#include <memory>

class QLabel;
class QxJointRead;
class QxColumnFitter;
class QxListView;
class QxSNMPRequest2Rows;
class QxSortKeyItem;
struct QxSNMPError;

// "Port Status": every port of the switch in one table, as switch web pages
// list them: number, name, administrative state, link, speed and duplex,
// PVID, the VLANs it belongs to, PoE state and power, the input and output
// rates over the last two reads, and the input and output errors counted
// since the window opened. Rows are coloured by state (disabled, down, up)
// and ordered by a click on a header. While it shows, the window reads the
// switch every 3 s, in bulk walks that never hold up the window; a read that
// fails says so in the status line and leaves the rows as they were.
class TPortStatusForm final : public QDialog, public QxControllerHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPortStatusForm)
public:
    static constexpr const char *Caption = "Port Status";
    static constexpr int Ports = 28;
    static constexpr int RefreshMs = 3000;
    enum Column : int { Port, Name, Admin, Link, Speed, Pvid, Vlans, Poe, Power, InRate, OutRate, Errors, ColumnCount };

    // A window of its own beside the owner (it goes with it), on the
    // process's default agent; its first read starts at once.
    explicit TPortStatusForm(QWidget *owner);
    ~TPortStatusForm() override;

    QxListView *list() const { return m_list; }
    QLabel *statusLine() const { return m_status; }
    // Reads the switch again now, unless a read is on its way.
    void refresh();
    // Reads that have ended so far, failed ones included.
    int readsEnded() const { return m_readsEnded; }

    QList<QxSNMPRequest2Controls *> controllers() const override;

signals:
    // A read has ended (the rows show it, or the status line why not).
    void readEnded();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void done(int result) override;

private:
    void readEndedJointly();
    void fillRows();
    void fillRow(int port, QxSortKeyItem &item, const QStringList &values);
    // Columns as wide as their texts when one no longer fits, and the window
    // as wide as its columns.
    void fitColumns();
    void stopReading();

    std::unique_ptr<QxSNMPRequest2Rows> m_ports;
    std::unique_ptr<QxSNMPRequest2Rows> m_vlans;
    std::unique_ptr<QxColumnFitter> m_fitter;
    QxListView *m_list;
    QLabel *m_status;
    std::map<int, QxSortKeyItem *> m_rows;
    std::map<int, QxPortTraffic> m_traffic;
    QTimer m_timer;
    QElapsedTimer m_clock;
    // Both tables read together.
    std::unique_ptr<QxJointRead> m_read;
    // The VLAN lists of the last read that brought them.
    QList<int> m_vlanIds;
    QStringList m_egress;
    int m_readsEnded = 0;
    bool m_fitted = false;
};
