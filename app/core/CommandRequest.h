#pragma once

#include "tables/CommandRecord.h"

class QxSNMPRequest;

// What every reader and writer of a command's descriptor array does first, the
// generic dialog as the command-line client: the request's variable list from
// the record, and SNMPv2c for the request where the record's 64-bit counters
// cannot be read with SNMPv1. Only this request is raised, never the process
// defaults.
class CommandRequest final
{
public:
    static void prepare(const CommandRecord &record, QxSNMPRequest &request);
};
