#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "Time Range": named weekly windows (week days and a daily start and end)
// that access rules refer to. Add creates a range, Edit changes the selected
// one, Delete destroys it.
class TTimeRangeForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TTimeRangeForm(QWidget *parent);

    QxSNMPRequest2Edits *rangeBinding() const { return m_ranges; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    bool timesGiven();
    void add();
    void edit();
    void remove();
    // Writes, then reads again; a write that went through ends the editing.
    void writeRange(DedicatedWrite range, bool endsEditing);
    void endEditing();
    void clearEditor();

    QLineEdit *m_name = nullptr;
    QComboBox *m_status = nullptr;
    QPushButton *m_btnEdit = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
    QPointer<QxSNMPRequest2Edits> m_ranges;
};
