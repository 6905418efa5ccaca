#pragma once

#include "snmp/QxSNMPSyntax.h"

class QxOptionList;

// A static variable descriptor. Descriptor arrays are constant data, written as
// aggregates and ended by a descriptor whose oid is null:
//
//   constexpr QxSNMPVarItem deviceControl[] = {
//       {"EnterpriseBase.11.63.7.1.1", "System Reboot", QxSyntax::integer, QxAccess::readwrite, &rebootOptions},
//       {},
//   };
//
// An oid that starts with "EnterpriseBase" stands for the vendor's enterprise
// root; the run-time copy (QxSNMPVariable) expands it.
struct QxSNMPVarItem
{
    const char *oid;
    const char *caption;
    quint32 syntax;
    quint32 access;
    const QxOptionList *optionList;
    const char *readExpression;
    const char *writeExpression;
    const char *spareExpression;
};
