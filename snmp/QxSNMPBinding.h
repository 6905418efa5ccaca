#pragma once

#include "snmp/QxSNMPValue.h"

#include <QString>

// One variable binding of a PDU: the dotted OID and its value.
struct QxSNMPBinding
{
    QString oid;
    QxSNMPValue value;
};
