#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;

// "STP Control": the bridge's spanning-tree parameters (version, timers, hop
// count, BPDU forwarding, loop-back detection). MSTP takes no Hello Time: with
// "mstp" chosen its edit is off and the write carries the other eight. The main
// window's version text follows a write that went through.
class TSTP_Info final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TSTP_Info(QWidget *parent);

    QxSNMPRequest2Edits *bridgeBinding() const { return m_bridge; }
    QxSNMPRequest2Edits *mstpBinding() const { return m_mstp; }
    QxSNMPRequest2Edits *stateBinding() const { return m_state; }

private:
    void refresh();
    void set();
    // Hello Time is off (grey, empty) for MSTP and on for the other versions.
    void helloTimeFor(bool mstp, bool fillDefault);
    bool mainWindowSaysMstp() const;
    // The version chosen went through: the progress while the switch changes
    // over (when the spanning tree runs), and the main window's text.
    void versionWritten(const QString &version);
    // The numbers of the edits; a text that is no number stops with the
    // conversion's message in the status bar.
    bool numbers(std::initializer_list<std::pair<QLineEdit *, int *>> edits);

    QComboBox *m_version = nullptr;
    QLineEdit *m_helloTime = nullptr;
    QPointer<QxSNMPRequest2Edits> m_bridge;
    QPointer<QxSNMPRequest2Edits> m_mstp;
    QPointer<QxSNMPRequest2Edits> m_state;
};
