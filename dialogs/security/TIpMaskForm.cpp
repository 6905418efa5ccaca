#include "dialogs/security/TIpMaskForm.h"

#include "binding/QxIpAddressRule.h"
#include "snmp/QxHexText.h"

#include <QComboBox>
#include <algorithm>
#include <QLineEdit>
#include <vector>

namespace {

namespace State = AclDialogTables::IpState;
namespace Protocol = AclDialogTables::Protocol;
namespace Port = AclDialogTables::PortOption;
namespace Switch = AclDialogTables::Switch;

constexpr int PortMaskDigits = 4;
constexpr int ProtocolIdDigits = 2;
constexpr int UserMaskDigits = 8;
constexpr int MaxFlagMask = 63;
constexpr int MaxProtocolId = 255;

} // namespace

TIpMaskForm::TIpMaskForm(QWidget *parent, const IpSpec &spec)
    : TAclTableForm(parent, {.caption = spec.caption,
                            .table = spec.table,
                            .fields = spec.fields,
                            .idFormat = nullptr,
                            .rowStatusColumn = spec.columns.rowStatus,
                            .refreshButton = "BT_Get",
                            .addButton = "BT_Add",
                            .deleteButton = "BT_Delete",
                            .defaults = spec.defaults,
                            .shown = spec.shown}),
      m_columns(spec.columns), m_byProtocol(spec.byProtocol)
{
}

int TIpMaskForm::item(int column) const
{
    const QComboBox *combo = listOf(column);
    return combo ? combo->currentIndex() : -1;
}

QString TIpMaskForm::text(int column) const
{
    const QLineEdit *e = editOf(column);
    return e ? e->text() : QString();
}

bool TIpMaskForm::addAccepted()
{
    const AclDialogTables::IpMaskColumns &c = m_columns;
    const int state = item(c.state);
    const int protocol = item(c.protocol);
    const int tcp = item(c.tcpOption);
    const int udp = item(c.udpOption);
    const auto badAddress = [this](int column, std::initializer_list<int> states, int state) {
        return std::find(states.begin(), states.end(), state) != states.end() && !text(column).isEmpty()
               && !QxIpAddressRule::isValid(text(column));
    };
    const auto badHex = [this](int column, int digits) {
        return !text(column).isEmpty() && !QxHexText::isDigits(text(column), digits);
    };
    const auto either = [tcp, udp](int a, int b) { return tcp == a || tcp == b || udp == a || udp == b; };
    const bool ports = protocol == Protocol::Tcp || protocol == Protocol::Udp;
    const bool protocolIdOn = protocol == Protocol::ProtocolId && item(c.protocolIdOption) == Switch::Enable;
    const auto outOfRange = [this](int column, int last) {
        return !text(column).isEmpty() && outsideRange(text(column), 0, last);
    };
    if (!passes({
            {[this] { return idEdit()->text().isEmpty(); }, "IP Mask ID must be set.", idEdit()},
            {[&] { return badAddress(c.sourceMask, {State::Source, State::DestinationSource}, state); },
             QxIpAddressRule::message, editOf(c.sourceMask)},
            {[&] { return badAddress(c.destinationMask, {State::Destination, State::DestinationSource}, state); },
             QxIpAddressRule::message, editOf(c.destinationMask)},
        }))
        return false;
    // The protocol masks: two hex digits of the protocol ID, or the CPU
    // filter's eight-digit user mask and a protocol ID of 0 to 255.
    if (cpu()) {
        if (!passes({
                {[&] { return protocolIdOn && badHex(c.userMask, UserMaskDigits); }, "Invalid Mask!",
                 editOf(c.userMask)},
                {[&] { return protocol == Protocol::ProtocolId && outOfRange(c.protocolId, MaxProtocolId); },
                 "Please input a valid value", editOf(c.protocolId)},
            }))
            return false;
    } else if (!passes({{[&] { return protocol == Protocol::ProtocolId && badHex(c.protocolId, ProtocolIdDigits); },
                         "Invalid Mask!", editOf(c.protocolId)}})) {
        // A protocol ID that goes out is checked whatever its option says.
        return false;
    }
    return passes({
        {[&] { return ports && either(Port::Destination, Port::DestinationSource)
                      && badHex(c.destinationPortMask, PortMaskDigits); },
         "Invalid Mask!", editOf(c.destinationPortMask)},
        {[&] { return ports && either(Port::Source, Port::DestinationSource) && badHex(c.sourcePortMask, PortMaskDigits); },
         "Invalid Mask!", editOf(c.sourcePortMask)},
        {[&] { return protocol == Protocol::Tcp && item(c.tcpFlag) == Switch::Enable
                      && outOfRange(c.tcpFlagMask, MaxFlagMask); },
         "Please input a valid value", editOf(c.tcpFlagMask)},
        {[this] { return keysListed(); }, "There is already a record with the same IP Mask ID. Please modified it.",
         idEdit()},
        {[this] { return rowStatus()->currentIndex() != AclDialogTables::rowCreateAndGo; },
         "Row Status must be createAndGo.", rowStatus()},
    });
}

QList<int> TIpMaskForm::addExclusions()
{
    const AclDialogTables::IpMaskColumns &c = m_columns;
    std::vector<bool> out(size_t(c.count), false);
    const auto exclude = [&out](std::initializer_list<int> columns, bool excluded = true) {
        for (int column : columns)
            if (column >= 0)
                out[size_t(column)] = excluded;
    };
    const int state = item(c.state);
    const int protocol = item(c.protocol);
    const int tcp = item(c.tcpOption);
    const int udp = item(c.udpOption);

    if (state == State::Other)
        exclude({c.state, c.sourceMask, c.destinationMask});
    else if (state == State::Destination)
        exclude({c.sourceMask});
    else if (state == State::Source)
        exclude({c.destinationMask});
    if (cpu() && item(c.icmpOption) == AclDialogTables::IcmpOption::None)
        exclude({c.icmpOption});
    // An option on "other" takes the port masks with it (and, on the access
    // lists, itself); an option that names a port brings its mask back.
    if (tcp == Port::Other)
        exclude({cpu() ? -1 : c.tcpOption, c.sourcePortMask, c.destinationPortMask});
    if (udp == Port::Other)
        exclude({cpu() ? -1 : c.udpOption, c.sourcePortMask, c.destinationPortMask});
    const auto either = [tcp, udp](int option) { return tcp == option || udp == option; };
    if (either(Port::Destination) || either(Port::DestinationSource))
        exclude({c.destinationPortMask}, false);
    if (either(Port::Source) || either(Port::DestinationSource))
        exclude({c.sourcePortMask}, false);
    if (item(c.tcpFlag) == Switch::Disable)
        exclude({c.tcpFlagMask});
    if (cpu() && item(c.protocolIdOption) == Switch::Disable)
        exclude({c.userMask});
    if (protocol >= 0 && protocol < Protocol::Count)
        for (int column : m_byProtocol[protocol])
            out[size_t(column)] = true;
    if (protocol == Protocol::Tcp && tcp == Port::Other)
        exclude({c.tcpOption});
    if (protocol == Protocol::Udp && udp == Port::Other)
        exclude({c.udpOption});
    if (cpu() && protocol == Protocol::ProtocolId && item(c.protocolIdOption) == Switch::Disable)
        exclude({c.userMask});
    for (int column : {c.tcpFlagMask, c.sourceMask, c.destinationMask, c.sourcePortMask, c.destinationPortMask,
                       c.protocolId, c.userMask})
        if (column >= 0 && text(column).isEmpty())
            out[size_t(column)] = true;

    QList<int> columns;
    for (int column = 0; column < c.count; ++column)
        if (out[size_t(column)])
            columns << column;
    return columns;
}
