#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "IGMP Multicast VLAN Table": the ISM VLANs with their source, member and
// tagged member ports and the replacement source address. Add creates a VLAN
// from its ID and name; its ports are set with Set; Delete destroys it by its
// status alone. Writes wait for a running read ("Get data not complete"), and
// so does closing.
class TISMVLANForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TISMVLANForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    TPortUitForm *sourcePicker() const { return m_source; }
    TPortUitForm *memberPicker() const { return m_member; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void add();
    void set();
    void remove();
    // "Get data not complete" while a read or write runs.
    bool refusedWhileBusy();
    // Writes with the columns kept out, then reads again; an editor that went
    // through is cleared.
    void writeRow(int status, const QList<int> &notSent, DedicatedWrite::Row row);
    // What the editor leaves out of a write: an empty address or state.
    QList<int> emptyColumns() const;
    void clearEditor();
    void editorFor(bool rowSelected);

    QLineEdit *m_sourceIp = nullptr;
    QComboBox *m_state = nullptr;
    QComboBox *m_rowStatus = nullptr;
    QPushButton *m_btnSet = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
    TPortUitForm *m_source = nullptr;
    TPortUitForm *m_member = nullptr;
    TPortUitForm *m_tagMember = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
