#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QPushButton;

// "Aggregator Port Table": the LACP settings of every port. Edit writes the
// selected port's admin keys, partner system ID and admin state bits; the
// operational state pages exist but are not shown.
class TAggregatorPortTableForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TAggregatorPortTableForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    // Reads the table again when no read is running; the editor is emptied
    // unless it holds what a failed write could not send.
    void refresh(bool clear = true);
    void edit();
    void clearEditor();
    void enableEditor(bool enabled);

    QList<QCheckBox *> m_stateBoxes; // the 32 of the four state pages
    QPushButton *m_btnEdit = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
