#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "AAC Servr Control": adds a server to a server group, or deletes it from
// one, by the group's name, the server's address and its protocol. There is
// no list: the controls start empty, and empty again after each read.
class TfrmACCServerCtrl final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TfrmACCServerCtrl(QWidget *parent);

private:
    void set();
    void emptyControls();

    QPointer<QxSNMPRequest2Edits> m_groupServers;
};
