#include "dialogs/security/TEthernetInformationRuleForm.h"

namespace {

constexpr auto C = AclRuleTables::ethernetRuleColumns;
constexpr auto E = DedicatedField::Edit;
constexpr auto L = DedicatedField::DropDown;

constexpr DedicatedCheckedField kRows[] = {
    {{C.profile, "MaskIDEdit", "Mask ID", E, "%i{n1x256l3}"}},
    {{C.access, "AccessEdit", "Access ID", E, "%i{n0x65535l5}"}},
    {{C.vlan, "VlanRuleEdit", "Rule VLAN", E, "%s{l32}"}, "cbxVlan"},
    {{C.sourceMac, "SourceMACEdit", "Rule Source MAC Address", E, "%s{l12}"}, "cbxSource"},
    {{C.destinationMac, "DestMACEdit", "Rule Destination MAC Address", E, "%s{l12}"}, "cbxDestination"},
    {{C.ieee8021p, "IEEE8021pEdit", "Rule 8021P", E, "%i{n0x7}"}, "cbxIEEE802dot1P"},
    {{C.ethernetType, "EthTypeEdit", "Rule Ethernet Type", E, "%s{l4}"}, "cbxEtherType"},
    {{C.enablePriority, "EnablePriorityComboBox", "Rule Enable Priority", L}, "cbxEablePriority"},
    {{C.priority, "PriorityEdit", "Rule Priority", E, "%i{n0x7}"}, "cbxPriority"},
    {{C.replacePriority, "ReplacePriorityComboBox", "Rule Replace Priority", L}, "cbxReplacePriority"},
    {{C.permit, "PermitComboBox", "Permit Rule", L}, "cbxPermit"},
    {{C.rxRate, "RxRateEdit", "Rule RX Rate", E, "%i{n64x1024000}"}, "cbxRxRate"},
    {{C.rowStatus, "RowComboBox", "Row Status", L}, "cbxRow"},
};

} // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget *parent)
    : TAclEthernetRuleForm(parent, {.caption = "Ethernet Rule",
                                    .table = &AclRuleTables::ethernetRule,
                                    .columns = C,
                                    .rows = kRows})
{
}
