#include "dialogs/security/TIPRuleForm.h"

namespace {

constexpr auto C = AclRuleTables::ipRuleColumns;
constexpr auto E = DedicatedField::Edit;
constexpr auto L = DedicatedField::DropDown;

constexpr DedicatedCheckedField kRows[] = {
    {{C.profile, "IPRuleEdit", "IP Rule ID", E, "%i{n1x256l3}"}},
    {{C.access, "AccessIDEdit", "IP Rule Access ID", E, "%i{n0x65535l5}"}},
    {{C.vlan, "VlanEdit", "Rule VLAN", E, "%s{l16}"}, "cbxVlan"},
    {{C.sourceIp, "SourceIPEdit", "Source IP Address", E, "%s{l16}"}, "cbxSourceIP"},
    {{C.destinationIp, "DestIPEdit", "Destination IP Address", E, "%s{l16}"}, "cbxDestIP"},
    {{C.dscp, "DSCPEdit", "DSCP", E, "%i{n0x63l2}"}, "cbxDscp"},
    {{C.protocol, "ProtocolComboBox", "Rule Protocol", L}, "cbxProtocol"},
    {{C.sourcePort, "SourcePortEdit", "Source Port", E, "%i{n0x65535l5}"}, "cbxSourcePort"},
    {{C.destinationPort, "DestPortEdit", "Destination Port", E, "%i{n0x65535l5}"}, "cbxDestPort"},
    {{C.flagBits, "FlagEdit", "Flag Bits", E, "%i{n0x63l2}"}, "cbxFBs"},
    {{C.protocolId, "ProtocolIDEdit", "Protocol ID", E, "%i{n0x255l3}"}, "cbxProtocolID"},
    {{C.enablePriority, "EnablePriorityComboBox", "Enable Priority", L}, "cbxEnabledPriority"},
    {{C.priority, "PriorityEdit", "Priority", E, "%i{n0x7l1}"}, "cbxPriority"},
    {{C.replacePriority, "ReplaceComboBox", "Replace Priority", L}, "cbxReplacePriority"},
    {{C.permit, "PermitComboBox", "Permit", L}, "cbxPermit"},
    {{C.rxRate, "RxRateEdit", "RX Rate", E, "%i{n64x1024000}"}, "cbxRxRate"},
    {{C.rowStatus, "RowComboBox", "Row Status", L}, "cbxRow"},
};

} // namespace

TIPRuleForm::TIPRuleForm(QWidget *parent)
    : TAclIpRuleForm(parent, {.caption = "IP Rule", .table = &AclRuleTables::ipRule, .columns = C, .rows = kRows})
{
}
