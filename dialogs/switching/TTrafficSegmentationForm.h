#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QLineEdit;
class QPushButton;

// "Traffic Segmentation Table": the ports each port may forward to. Refresh and
// Set wait for the read before them ("Refresh not complete"); Stop ends a
// running read so that both may go on.
class TTrafficSegmentationForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TTrafficSegmentationForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    TPortUitForm *forwardPicker() const { return m_forward; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    bool refusedWhileReading();
    void clearEditor();

    QLineEdit *m_port = nullptr;
    QLineEdit *m_unit = nullptr;
    QPushButton *m_btnSet = nullptr;
    TPortUitForm *m_forward = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
