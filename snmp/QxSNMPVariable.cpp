#include "snmp/QxSNMPVariable.h"

#include "EnterpriseBase.h"

#include <cstring>

namespace {
constexpr char kRootName[] = "EnterpriseBase";
}

QString QxSNMPVariable::expandOid(const char *oid)
{
    if (!oid)
        return QString();
    const size_t nameLength = sizeof(kRootName) - 1;
    if (std::strncmp(oid, kRootName, nameLength) == 0 && (oid[nameLength] == '.' || oid[nameLength] == '\0'))
        return QString::fromLatin1(EnterpriseBase) + QString::fromLatin1(oid + nameLength);
    return QString::fromLatin1(oid);
}

QxSNMPVariable QxSNMPVariable::fromItem(const QxSNMPVarItem &item)
{
    QxSNMPVariable v;
    v.oid = expandOid(item.oid);
    v.caption = QString::fromUtf8(item.caption ? item.caption : "");
    v.syntax = item.syntax;
    v.access = item.access;
    v.optionList = item.optionList;
    v.readExpression = QString::fromLatin1(item.readExpression ? item.readExpression : "");
    v.writeExpression = QString::fromLatin1(item.writeExpression ? item.writeExpression : "");
    v.spareExpression = QString::fromLatin1(item.spareExpression ? item.spareExpression : "");
    return v;
}
