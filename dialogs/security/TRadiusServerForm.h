#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QPushButton;
class TRadiusServerEditForm;

// "Radius Server": the switch's RADIUS servers, first to third. Add and Edit
// open the edit window (on this dialog's binding); Delete destroys the
// selected server.
class TRadiusServerForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TRadiusServerForm(QWidget *parent);

    QxSNMPRequest2Edits *serverBinding() const { return m_servers; }
    TRadiusServerEditForm *editForm() const { return m_edit; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void add();
    void edit();
    void remove();
    // Nothing selected, Edit and Delete off.
    void deselect();

    QxListView *m_list = nullptr;
    QPushButton *m_btnEdit = nullptr;
    QPushButton *m_btnDelete = nullptr;
    TRadiusServerEditForm *m_edit = nullptr;
    QPointer<QxSNMPRequest2Edits> m_servers;
};
