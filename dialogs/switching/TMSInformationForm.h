#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QPushButton;
class TMSEditForm;

// "Member Switch Information": the switches this one manages by single IP.
// Add opens the add window; Delete destroys the selected member.
class TMSInformationForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TMSInformationForm(QWidget *parent);

    QxSNMPRequest2Edits *memberBinding() const { return m_members; }
    TMSEditForm *editForm() const { return m_edit; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void add();
    void remove();

    QxListView *m_list = nullptr;
    QPushButton *m_btnDelete = nullptr;
    TMSEditForm *m_edit = nullptr;
    QPointer<QxSNMPRequest2Edits> m_members;
};
