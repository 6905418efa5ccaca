#pragma once

#include "snmp/QxSNMPVarItem.h"

#include <QString>

// The run-time copy of a descriptor, owned by a variable list: its strings are
// its own, the option list is shared (option lists outlive every variable list).
struct QxSNMPVariable
{
    QString oid;
    QString caption;
    quint32 syntax = 0;
    quint32 access = 0;
    const QxOptionList *optionList = nullptr;
    QString readExpression;  // empty: none
    QString writeExpression; // empty: none
    QString spareExpression; // copied along, never evaluated
    QString valueText;       // current value (see QxValueCodec)
    QString instanceOid;     // instance last read, or to be read next in a walk
    // What the agent held the last time it was read, and where (empty: not
    // read, or no value there): a write tells what it changes.
    QString readText;
    QString readOid;

    static QxSNMPVariable fromItem(const QxSNMPVarItem &item);
    // "EnterpriseBase" at the start of an OID text becomes the vendor root.
    static QString expandOid(const char *oid);

    bool has(quint32 flag) const { return (access & flag) != 0; }
    void setFlag(quint32 flag, bool on) { access = on ? (access | flag) : (access & ~flag); }
};
