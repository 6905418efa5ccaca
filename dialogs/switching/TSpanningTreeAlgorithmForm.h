#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "Spanning Tree Algorithm": switches the spanning tree on or off. Enabling it
// asks first and shows a progress dialog while the switch brings it up.
class TSpanningTreeAlgorithmForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TSpanningTreeAlgorithmForm(QWidget *parent);

    QxSNMPRequest2Edits *stateBinding() const { return m_state; }
    QxSNMPRequest2Edits *readStateBinding() const { return m_readState; }

private:
    void set();
    // Both bindings read again: the state the next Set compares with is the
    // switch's state after this write, not the one the dialog opened with.
    void readAgain();

    QPointer<QxSNMPRequest2Edits> m_state;
    // The state as last read, in a hidden label.
    QPointer<QxSNMPRequest2Edits> m_readState;
};
