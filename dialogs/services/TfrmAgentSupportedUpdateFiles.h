#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QLineEdit;
class QPushButton;

// "Agent Supported Update Files": the files the agent can transfer (firmware,
// configuration, log), each with its server, file name, transfer and load
// type, and the control that starts a transfer. Set changes the selected row;
// no row is created or deleted here.
class TfrmAgentSupportedUpdateFiles final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TfrmAgentSupportedUpdateFiles(QWidget *parent);

    QxSNMPRequest2Edits *fileBinding() const { return m_files; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void set();
    void clearInput();

    QLineEdit *m_index = nullptr;
    QPushButton *m_btnSet = nullptr;
    QPointer<QxSNMPRequest2Edits> m_files;
};
