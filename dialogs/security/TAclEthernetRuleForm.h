#pragma once

#include "dialogs/security/TAclTableForm.h"
#include "tables/AclRuleTables.h"

// The Ethernet rules of the access lists and of the CPU filter: the VLAN, MAC
// addresses, 802.1p and Ethernet type to match, the ports, and the action.
// Only ticked fields are written; the port list always is.
class TAclEthernetRuleForm : public TAclTableForm
{
    Q_OBJECT

protected:
    using EthernetSpec = RuleSpec<AclRuleTables::EthernetRuleColumns>;
    TAclEthernetRuleForm(QWidget *parent, const EthernetSpec &spec);

    bool addAccepted() override;
    QList<int> addExclusions() override { return notTicked(); }
    bool editAccepted() override { return fieldsAccepted(); }

private:
    // The keys and the ticked fields.
    bool fieldsAccepted();

    const AclRuleTables::EthernetRuleColumns m_columns;
};
