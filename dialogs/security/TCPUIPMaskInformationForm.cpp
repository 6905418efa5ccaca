#include "dialogs/security/TCPUIPMaskInformationForm.h"

namespace {

using namespace AclDialogTables;
constexpr auto C = cpuIpMaskColumns;

constexpr DedicatedField kFields[] = {
    {C.id, "IPIDEdit", "IP Mask ID", DedicatedField::Edit, "%i{n1x3}"},
    {C.useVlan, "UseVlanComboBox", "Use VLAN", DedicatedField::DropDown},
    {C.state, "IpAddMaskStateComboBox", "IP Address Mask State", DedicatedField::DropDown},
    {C.sourceMask, "IpAddMaskSrcEdit", "IP Address Mask Source", DedicatedField::Edit, "%s"},
    {C.destinationMask, "IpAddMaskDstEdit", "IP Address Mask Destination", DedicatedField::Edit, "%s"},
    {C.useDscp, "UseDSCPComBo", "Use DSCP", DedicatedField::DropDown},
    {C.protocol, "UseProTypeComBo", "Use Protocol Type", DedicatedField::DropDown},
    {C.icmpOption, "ICMPOpetionComboBo", "ICMP Option", DedicatedField::DropDown},
    {C.igmpOption, "IGMPOpetionComboBo", "IGMP Option", DedicatedField::DropDown},
    {C.tcpOption, "TCPOptionComBo", "TCP Option", DedicatedField::DropDown},
    {C.udpOption, "UDPOptionComBo", "UDP Option", DedicatedField::DropDown},
    {C.sourcePortMask, "TCPUDPSrcMaskEdit", "TCP or UDP Srouce Port Mask", DedicatedField::Edit, "%s"},
    {C.destinationPortMask, "TCPUDPDstPortMaskEdit", "TCP or UDP Destination Port Mask", DedicatedField::Edit, "%s"},
    {C.tcpFlag, "TCPFlagBitOptionComBo", "TCP Flag Bit Option", DedicatedField::DropDown},
    {C.tcpFlagMask, "TCPFlagBitMaskEdit", "TCP Flag Bit Mask (0-63)", DedicatedField::Edit, "%i"},
    {C.protocolIdOption, "ProOptionComBo", "Protocol ID Option", DedicatedField::DropDown},
    {C.protocolId, "ProtoIDEdit", "Protocol ID Mask", DedicatedField::Edit, "%i"},
    {C.userMask, "ProIDMaskEdit", "User Mask", DedicatedField::Edit, "%s{l8}"},
    {C.rowStatus, "RowStatusComBo", "Row Status", DedicatedField::DropDown},
};
constexpr std::pair<const char *, const char *> kDefaults[] = {
    {"UseVlanComboBox", "enabled"},       {"IpAddMaskStateComboBox", "other"}, {"UseDSCPComBo", "disabled"},
    {"UseProTypeComBo", "none"},          {"ICMPOpetionComboBo", "none"},      {"IGMPOpetionComboBo", "enable"},
    {"TCPOptionComBo", "other"},          {"UDPOptionComBo", "other"},         {"TCPFlagBitOptionComBo", "disable"},
    {"ProOptionComBo", "disable"},        {"RowStatusComBo", "active"},
};

} // namespace

TCPUIPMaskInformationForm::TCPUIPMaskInformationForm(QWidget *parent)
    : TIpMaskForm(parent, {.caption = "IP Mask (CPU Filter)",
                           .table = &cpuIpMask,
                           .fields = kFields,
                           .defaults = kDefaults,
                           .columns = cpuIpMaskColumns,
                           .byProtocol = cpuIpMaskProtocolExclusions})
{
}
