#include "app/core/CommandRequest.h"

#include "snmp/QxSNMPRequest.h"

void CommandRequest::prepare(const CommandRecord &record, QxSNMPRequest &request)
{
    request.varList() = QxSNMPVarList(record.table());
    if ((record.flags & CommandFlag::NeedsV2c) && request.security.version == QxSNMPSecurity::V1)
        request.security.version = QxSNMPSecurity::V2c;
}
