#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

#include <array>
#include <span>

class QLineEdit;
class QPushButton;
class TLldpTlvSelectionForm;

// What the two LLDP port-configuration dialogs share: the ports with the TLVs
// each sends, shown as names. A click on the TLV edit opens the selection
// window; Edit writes the selected port's row (the names encoded as the bit
// map) and the table is read again from the write's completion.
class TLldpTlvsForm : public TDedicatedForm
{
    Q_OBJECT

public:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *table;
        int tlvColumn;
        const std::array<const char *, 8> *names;
        std::span<const DedicatedField> fields; // PortText, the lists, TLVsEdit
        TLldpTlvSelectionForm *(*makeSelection)(QWidget *parent, QLineEdit *tlvs);
    };

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    TLldpTlvSelectionForm *selectionForm() const { return m_selection; }

protected:
    TLldpTlvsForm(QWidget *parent, const Spec &spec);

    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void edit();

    const std::array<const char *, 8> *m_names = nullptr;
    QLineEdit *m_tlvs = nullptr;
    QPushButton *m_btnEdit = nullptr;
    QxListView *m_list = nullptr;
    TLldpTlvSelectionForm *m_selection = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
