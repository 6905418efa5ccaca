#pragma once

#include "binding/QxControllerHost.h"
#include "device/QxVlanMatrix.h"
#include "device/QxVlanMatrixWrites.h"
#include "dialogs/generic/TDialogMessages.h"

#include <QDialog>
#include <memory>

class QLabel;
class QxJointRead;
class QPushButton;
class QxColumnFitter;
class QxSNMPRequest2Rows;
class TVlanMatrixView;
struct QxSNMPError;

// "VLAN Matrix": the static VLANs against the ports as switch web pages show
// them, "U" for an untagged member, "T" for a tagged one. A click on a cell
// goes from empty to U to T and back; changed cells stand out until the
// switch holds them. "Apply" first shows what changes (per VLAN the ports
// added, removed and changed, and the PVIDs that follow) and sends nothing
// unless told Yes; then it writes both port lists of each changed VLAN in one
// SET, and the PVIDs after them. A write the switch refuses stops the rest
// and says which and why; what the user chose and the switch does not hold
// stays for another try, and the switch is read again either way. "Refresh"
// reads again, asking first when it would drop the user's changes.
class TVlanMatrixForm final : public QDialog, public QxControllerHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVlanMatrixForm)
public:
    static constexpr const char *Caption = "VLAN Matrix";

    // A window of its own beside the owner (it goes with it), on the
    // process's default agent; its first read starts at once.
    explicit TVlanMatrixForm(QWidget *owner);
    ~TVlanMatrixForm() override;

    // Brings the port's column into sight and puts the keyboard on its first cell.
    void showPort(int port);

    // The question before a write and the warning before changes are dropped
    // (a test answers them).
    void setMessages(const TDialogMessages &messages) { m_messages = messages.completed(); }

    TVlanMatrixView *matrixView() const { return m_view; }
    QLabel *statusLine() const { return m_status; }
    const QxVlanMatrix &matrix() const { return m_matrix; }
    bool busy() const;

    // "Refresh": reads the switch again; with changes the user made, only
    // once the user agrees to drop them.
    void refreshClicked();
    // "Apply": previews the plan, then writes it.
    void applyClicked();

    QList<QxSNMPRequest2Controls *> controllers() const override;

signals:
    // A read has ended (the matrix shows it, or the status line why not).
    void readEnded();
    // The writes of an apply have ended (and the read after them started).
    void applyEnded(const QxVlanMatrixWrites::Outcome &outcome);

protected:
    void done(int result) override;

private:
    void read();
    void readEndedJointly();
    void cellClicked(int row, int port);
    void writesFinished(const QxVlanMatrixWrites::Outcome &outcome);
    void showMatrix();
    // Columns as wide as their texts, and the window as wide as they are.
    void fitColumns();
    void updateButtons();
    void stopAll();

    TDialogMessages m_messages = TDialogMessages::standard();
    QxVlanMatrix m_matrix;
    std::unique_ptr<QxSNMPRequest2Rows> m_vlans;
    std::unique_ptr<QxSNMPRequest2Rows> m_pvids;
    std::unique_ptr<QxVlanMatrixWrites> m_writes;
    std::unique_ptr<QxColumnFitter> m_fitter;
    TVlanMatrixView *m_view;
    QLabel *m_status;
    QPushButton *m_apply;
    QPushButton *m_refresh;
    // The VLANs and the PVIDs read together.
    std::unique_ptr<QxJointRead> m_read;
    // An apply's outcome stays in the status line over the read after it,
    // unless that read fails.
    bool m_keepStatus = false;
    bool m_everRead = false;
    // The port showPort asked for before the first read brought rows.
    int m_portInSight = 0;
};
