#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "MLD Snooping Group Information": the MLD groups the switch has learnt, with
// their include and exclude ports. It only reads.
class TMLD_SnoopingGroupForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TMLD_SnoopingGroupForm(QWidget *parent);

    QxSNMPRequest2Edits *groupBinding() const { return m_groups; }
    TPortUitForm *includePicker() const { return m_include; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void clear();

    TPortUitForm *m_include = nullptr;
    TPortUitForm *m_exclude = nullptr;
    QPointer<QxSNMPRequest2Edits> m_groups;
};
