#pragma once

#include "dialogs/security/TAclTableForm.h"
#include "tables/AclRuleTables.h"

// The IP rules of the access lists and of the CPU filter: addresses, DSCP,
// the protocol's match fields, the ports and the action. Only ticked fields
// are written, and with the protocol box ticked only the match fields the
// chosen protocol has a use for. The protocol itself is the mask's: a rule
// shows it but never writes it.
class TAclIpRuleForm : public TAclTableForm
{
    Q_OBJECT

protected:
    using IpSpec = RuleSpec<AclRuleTables::IpRuleColumns>;
    TAclIpRuleForm(QWidget *parent, const IpSpec &spec);

    bool addAccepted() override;
    QList<int> addExclusions() override { return editExclusions(); }
    bool editAccepted() override { return fieldsAccepted(); }
    QList<int> editExclusions() override;
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    // The keys and the ticked fields.
    bool fieldsAccepted();

    const AclRuleTables::IpRuleColumns m_columns;
};
