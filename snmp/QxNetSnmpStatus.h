#pragma once

// Turns net-snmp's error numbers into the library status codes that the status
// mapping of the message catalogue expects: class codes -1..-23 (time-out -5,
// closed session -8, ...), SNMPv3 message-processing codes -1402..-1418 and USM
// codes 1401..1414. SNMP error statuses (1..18) need no translation.
class QxNetSnmpStatus
{
public:
    static constexpr int Success = 0;
    static constexpr int OperationFailed = -1;
    static constexpr int Timeout = -5;
    static constexpr int SessionClosed = -8;
    static constexpr int InvalidPdu = -11;
    static constexpr int InvalidTarget = -12;
    static constexpr int InvalidAddress = -18;
    static constexpr int TransportFailed = -22;
    static constexpr int UsmUnknownEngineId = 1410;
    static constexpr int UsmAuthenticationError = 1407;
    static constexpr int UsmEncryptionError = 1405;
    static constexpr int UsmUnsupportedAuthProtocol = 1412;
    static constexpr int UsmUnsupportedPrivProtocol = 1413;

    // From a net-snmp SNMPERR_* number (also the type of a received report).
    static int fromLibraryError(int snmpErr);
};
