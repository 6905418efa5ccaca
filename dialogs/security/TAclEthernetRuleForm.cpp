#include "dialogs/security/TAclEthernetRuleForm.h"

#include "snmp/QxHexText.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int EthernetTypeDigits = 4;
constexpr int MaxPriority = 7;

} // namespace

TAclEthernetRuleForm::TAclEthernetRuleForm(QWidget *parent, const EthernetSpec &spec)
    : TAclTableForm(parent, ruleSpec(spec)),
      m_columns(spec.columns)
{
    startRule({m_columns.enablePriority, m_columns.replacePriority}, m_columns.permit);
}

bool TAclEthernetRuleForm::fieldsAccepted()
{
    const AclRuleTables::EthernetRuleColumns &c = m_columns;
    QLineEdit *source = editOf(c.sourceMac);
    QLineEdit *destination = editOf(c.destinationMac);
    QLineEdit *type = editOf(c.ethernetType);
    QLineEdit *priority = editOf(c.priority);
    const auto badHex = [this](int column, QLineEdit *edit, int digits) {
        return ticked(column) && !QxHexText::isDigits(edit->text(), digits);
    };
    return passes({
               {[this] { return idEdit()->text().isEmpty(); }, "Mask ID must be set.", idEdit()},
               {[this] { return keyEdit(1)->text().isEmpty(); }, "Access ID must be set.", keyEdit(1)},
           })
           && tickedRowsFilled("Some check field is empty")
           && passes({
               {[&] { return badHex(c.sourceMac, source, QxHexText::MacDigits); }, "Invalid MAC Address", source},
               {[&] { return badHex(c.destinationMac, destination, QxHexText::MacDigits); }, "Invalid MAC Address", destination},
               {[&] { return badHex(c.ethernetType, type, EthernetTypeDigits); }, "Invalid Ethernet Type", type},
               {[&] { return ticked(c.priority) && outsideRange(priority->text(), 0, MaxPriority); },
                "Priority value should between 0-7", priority},
               rxRateCheck(c.rxRate),
           });
}

bool TAclEthernetRuleForm::addAccepted()
{
    return fieldsAccepted()
           && newRuleAccepted(
               "Has already a record with the same Mask ID and Access ID. Please change eithor of them.");
}
