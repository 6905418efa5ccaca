#include "dialogs/security/TCPUIPRuleForm.h"

namespace {

constexpr auto C = AclRuleTables::cpuIpRuleColumns;
constexpr auto E = DedicatedField::Edit;
constexpr auto L = DedicatedField::DropDown;

constexpr DedicatedCheckedField kRows[] = {
    {{C.profile, "IPRuleEdit", "IP Rule ID", E, "%i{n1x3}"}},
    {{C.access, "AccessIDEdit", "IP Rule Access ID", E, "%i{n0x5}"}},
    {{C.vlan, "VLANEdit", "VLAN", E, "%s{l32}"}, "cbxVlan"},
    {{C.sourceIp, "SourceIPEdit", "Source IP Address", E, "%s{l16}"}, "cbxSourceIP"},
    {{C.destinationIp, "DestIPEdit", "Destination IP address", E, "%s{l16}"}, "cbxDestIP"},
    {{C.dscp, "DSCPEdit", "DSCP", E, "%i{n0x63l2}"}, "cbxDscp"},
    {{C.protocol, "ProtocolComboBox", "Protocol", L}, "cbxProtocol"},
    {{C.icmpType, "TypeEdit", "Type", E, "%i{n0x255l3}"}, "cbxType"},
    {{C.icmpCode, "CodeEdit", "Code", E, "%i{n0x255l3}"}, "cbxCode"},
    {{C.sourcePort, "SourcePortEdit", "Source Port", E, "%i{n0x65535l5}"}, "cbxSourcePort"},
    {{C.destinationPort, "DestPortEdit", "Destination Port", E, "%i{n0x65535l5}"}, "cbxDestPort"},
    {{C.flagBits, "FlagEdit", "Flag Bits", E, "%i{n0x63l2}"}, "cbxFBs"},
    {{C.protocolId, "ProtocolIDEdit", "Protocol ID", E, "%i{n0x255l3}"}, "cbxProtocolID"},
    {{C.userMask, "UserMaskEdit", "User Mask", E, "%s"}, "cbxUserMask"},
    {{C.permit, "PermitComboBox", "Permit", L}, "cbxPermit"},
    {{C.rowStatus, "RowStatusComboBox", "Row Status", L}, "cbxRow"},
};

} // namespace

TCPUIPRuleForm::TCPUIPRuleForm(QWidget *parent)
    : TAclIpRuleForm(parent, {.caption = "IP Rule (CPU Filter)",
                              .table = &AclRuleTables::cpuIpRule,
                              .columns = C,
                              .rows = kRows,
                              .editButton = "EditButton"})
{
}
