#include "dialogs/security/TAclIpRuleForm.h"

#include "snmp/QxHexText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int UserMaskDigits = 8;

} // namespace

TAclIpRuleForm::TAclIpRuleForm(QWidget *parent, const IpSpec &spec)
    : TAclTableForm(parent, ruleSpec(spec)),
      m_columns(spec.columns)
{
    startRule({m_columns.enablePriority, m_columns.replacePriority}, m_columns.permit);
    if (QComboBox *protocol = listOf(m_columns.protocol))
        protocol->setCurrentIndex(AclDialogTables::Protocol::None);
}

bool TAclIpRuleForm::fieldsAccepted()
{
    const AclRuleTables::IpRuleColumns &c = m_columns;
    if (!passes({
            {[this] { return idEdit()->text().isEmpty(); }, "IP Rule ID must be set.", idEdit()},
            {[this] { return keyEdit(1)->text().isEmpty(); }, "IP Rule Access ID must be set.", keyEdit(1)},
        })
        || !tickedRowsFilled("Some checked field is empty"))
        return false;
    for (int address : {c.sourceIp, c.destinationIp})
        if (ticked(address) && !validAddress(editOf(address)))
            return false;
    QLineEdit *userMask = editOf(c.userMask);
    return passes({
        rxRateCheck(c.rxRate),
        {[&] { return ticked(c.userMask) && !QxHexText::isDigits(userMask->text(), UserMaskDigits); },
         "Invalid User Mask", userMask},
    });
}

bool TAclIpRuleForm::addAccepted()
{
    return fieldsAccepted()
           && newRuleAccepted(
               "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.");
}

QList<int> TAclIpRuleForm::editExclusions()
{
    QList<int> out = notTicked();
    const int protocol = listOf(m_columns.protocol)->currentIndex();
    if (ticked(m_columns.protocol) && protocol >= 0 && protocol < AclDialogTables::Protocol::Count)
        for (AclRuleTables::IpRulePart part : AclRuleTables::ipRuleProtocolExclusions[protocol])
            if (m_columns.*part >= 0)
                out << m_columns.*part;
    return out;
}

void TAclIpRuleForm::rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row)
{
    TAclTableForm::rowSelected(binding, row);
    // A listed rule's protocol is its mask's.
    listOf(m_columns.protocol)->setEnabled(!row);
    QCheckBox *box = boxOf(m_columns.protocol);
    if (row)
        box->setChecked(false);
    box->setEnabled(!row);
}
