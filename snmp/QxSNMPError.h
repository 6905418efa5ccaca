#pragma once

#include <QString>

// Completion record of an asynchronous exchange.
struct QxSNMPError
{
    int code = 0;          // program error code, 0 on success
    int errorIndex = 0;    // error index of the reply PDU
    QString message;       // catalogue text of the code
    QString agentAddress;  // agent that answered (or was asked)
    quint16 agentPort = 0;
    bool endOfData = true; // no further row follows, or the exchange has finished
    // A refused write: the position of the variable the agent named (-1: none).
    int variable = -1;
};
