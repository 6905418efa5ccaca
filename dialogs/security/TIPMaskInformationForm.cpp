#include "dialogs/security/TIPMaskInformationForm.h"

namespace {

using namespace AclDialogTables;
constexpr auto C = ipMaskColumns;

constexpr DedicatedField kFields[] = {
    {C.id, "IPIDEdit", "IP Mask ID", DedicatedField::Edit, "%i{n1x256l3}"},
    {C.useVlan, "UseVLANComboBox", "Use VLAN", DedicatedField::DropDown},
    {C.state, "IpAddMaskStateComboBox", "IP Address Mask State", DedicatedField::DropDown},
    {C.sourceMask, "IpAddMaskSrcEdit", "IP Address Mask Source", DedicatedField::Edit, "%s"},
    {C.destinationMask, "IpAddMaskDstEdit", "IP Address Mask Destination", DedicatedField::Edit, "%s"},
    {C.useDscp, "UseDSCPComBo", "Use DSCP", DedicatedField::DropDown},
    {C.protocol, "UseProTypeComBo", "Use Protocol Type", DedicatedField::DropDown},
    {C.tcpOption, "TCPOptionComBo", "TCP Option", DedicatedField::DropDown},
    {C.udpOption, "UDPOptionComBo", "UDP Option", DedicatedField::DropDown},
    {C.sourcePortMask, "TCPUDPSrcMaskEdit", "TCP or UDP Srouce Port Mask", DedicatedField::Edit, "%s"},
    {C.destinationPortMask, "TCPUDPDstPortMaskEdit", "TCP or UDP Destination Port Mask", DedicatedField::Edit, "%s"},
    {C.tcpFlag, "TCPFlagBitOptionComBo", "TCP Flag Bit Option", DedicatedField::DropDown},
    {C.tcpFlagMask, "TCPFlagBitMaskEdit", "TCP Flag Bit Mask (0-63)", DedicatedField::Edit, "%i"},
    {C.protocolIdOption, "ProOptionComBo", "Protocol ID Option", DedicatedField::DropDown},
    {C.protocolId, "ProIDMaskEdit", "User Mask", DedicatedField::Edit, "%s"},
    {C.rowStatus, "RowStatusComBo", "Row Status", DedicatedField::DropDown},
};
constexpr std::pair<const char *, const char *> kDefaults[] = {
    {"UseVLANComboBox", "enabled"}, {"IpAddMaskStateComboBox", "other"}, {"UseDSCPComBo", "disabled"},
    {"UseProTypeComBo", "none"},    {"TCPOptionComBo", "other"},         {"UDPOptionComBo", "other"},
    {"TCPFlagBitOptionComBo", "disable"}, {"ProOptionComBo", "disable"}, {"RowStatusComBo", "active"},
};
constexpr int ProtocolIdDigits = 2;

} // namespace

TIPMaskInformationForm::TIPMaskInformationForm(QWidget *parent)
    : TIpMaskForm(parent, {.caption = "IP Mask",
                           .table = &ipMask,
                           .fields = kFields,
                           .defaults = kDefaults,
                           .columns = ipMaskColumns,
                           .byProtocol = ipMaskProtocolExclusions,
                           // The protocol ID travels as its number.
                           .shown = {QxShownTextRequest2Edits::hexNumber(C.protocolId, ProtocolIdDigits)}})
{
}
