#include "dialogs/security/TCPUEthernetInformationRuleForm.h"

namespace {

constexpr auto C = AclRuleTables::cpuEthernetRuleColumns;
constexpr auto E = DedicatedField::Edit;
constexpr auto L = DedicatedField::DropDown;

constexpr DedicatedCheckedField kRows[] = {
    {{C.profile, "MaskIDEdit", "Mask ID", E, "%i{n1x3}"}},
    {{C.access, "AccessEdit", "Access ID", E, "%i{n0x5}"}},
    {{C.vlan, "VlanRuleEdit", "VLAN", E, "%s{l32}"}, "cbxVlan"},
    {{C.sourceMac, "SourceMACEdit", "Rule Source MAC Address", E, "%s{l12}"}, "cbxSource"},
    {{C.destinationMac, "DestMACEdit", "Rule Destination MAC Address", E, "%s{l12}"}, "cbxDestination"},
    {{C.ieee8021p, "IEEE8021pEdit", "8021P", E, "%i{n0x7}"}, "cbxIEEE802dot1P"},
    {{C.ethernetType, "EthTypeEdit", "Ethernet Type", E, "%s{l4}"}, "cbxEtherType"},
    {{C.permit, "PermitComboBox", "Permit", L}, "cbxPermit"},
    {{C.rowStatus, "RowComboBox", "Row Status", L}, "cbxRow"},
};

} // namespace

TCPUEthernetInformationRuleForm::TCPUEthernetInformationRuleForm(QWidget *parent)
    : TAclEthernetRuleForm(parent, {.caption = "Ethernet Rule (CPU Filter)",
                                    .table = &AclRuleTables::cpuEthernetRule,
                                    .columns = C,
                                    .rows = kRows,
                                    .editButton = "EditButton"})
{
}
