#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "AAC Server Information Table": the authentication servers, each known by
// its address and protocol, with its port, key, time-out and retry count.
// TACACS and XTACACS servers take no key, TACACS+ servers no retry count.
// Refresh, Add, Edit (which rewrites the selected server) and Delete; after
// each of them the editor starts empty again.
class TServerInformationForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TServerInformationForm(QWidget *parent);

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void add();
    void edit();
    void remove();
    // Writes as described; once the write went through the editor starts
    // empty, the buttons are those of a new server and the list is read again.
    void writeServer(DedicatedWrite server);
    // The buttons and key controls for a selected row, or for a new server.
    void showSelection(bool selected);
    void clearEditor();
    // The protocol decides whether the key and the retry count apply.
    void followProtocol();
    // The values whose edits are empty: they are not written.
    QList<int> emptyValues() const;
    bool listed() const;

    QxListView *m_list = nullptr;
    QLineEdit *m_address = nullptr;
    QComboBox *m_protocol = nullptr;
    QLineEdit *m_key = nullptr;
    QLineEdit *m_retryCount = nullptr;
    QComboBox *m_rowStatus = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnEdit = nullptr;
    QPushButton *m_btnDelete = nullptr;
    QPointer<QxSNMPRequest2Edits> m_servers;
};
