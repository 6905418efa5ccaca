#pragma once

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/types.h>

#include <cstddef>

// The SNMP library's object identifier of each protocol number (see
// QxUsmProtocols); false for a number outside the list. Only the transport
// needs them.
namespace QxUsmProtocolOids {

struct Id
{
    const oid *id;
    std::size_t length;
};
bool authentication(int number, Id &out);
bool privacy(int number, Id &out);

} // namespace QxUsmProtocolOids
