#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// What the two static filtering dialogs share: the entries of one VLAN . MAC
// . receive-port table with their ports, the two key edits (a MAC address is
// exactly twelve hexadecimal digits), the status list and one port picker.
// A new entry is written at VLAN . MAC . 0; an existing one at its own index.
class TStaticFilterForm : public TDedicatedForm
{
    Q_OBJECT

public:
    QxSNMPRequest2Edits *filterBinding() const { return m_table; }

protected:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *table;
        const char *listName;
        // VLAN edit, MAC edit, status list, the hidden receive-port edit
        std::span<const DedicatedField> fields;
        int portsColumn;
        int statusColumn;
        const char *portsCaption; // the group box or page of the picker
        bool portsOnPage;
        bool samplesCaption;
    };
    TStaticFilterForm(QWidget *parent, const Spec &spec);

    QLineEdit *vlanEdit() const { return m_vlan; }
    QLineEdit *macEdit() const { return m_mac; }
    QComboBox *statusList() const { return m_status; }
    TPortUitForm *ports() const { return m_ports; }
    QxListView *list() const { return m_list; }

    // The two key edits given and the MAC address twelve hex digits.
    bool keysAccepted();
    // A write while a read runs is refused with the dialog's message.
    bool notBusy();
    // Writes the entry as described (the row, the columns left out, the
    // status); once the write went through the editor is cleared, then
    // whatever else the description says follows, and the table is read again.
    void writeEntry(DedicatedWrite entry);
    // Editable keys and an empty editor, or the selected row's keys shown
    // read-only.
    void setBrowsing(bool browsing);
    void clearInput();
    void refresh();

private:
    const Spec m_spec;
    QxListView *m_list = nullptr;
    QLineEdit *m_vlan = nullptr;
    QLineEdit *m_mac = nullptr;
    QComboBox *m_status = nullptr;
    QLineEdit *m_receivePort = nullptr;
    TPortUitForm *m_ports = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
