#include "snmp/QxNetSnmpStatus.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

int QxNetSnmpStatus::fromLibraryError(int e)
{
    switch (e) {
    case SNMPERR_SUCCESS:
        return Success;
    case SNMPERR_TIMEOUT:
        return Timeout;
    case SNMPERR_BAD_ADDRESS:
        return InvalidAddress;
    case SNMPERR_MALLOC:
        return -2; // resource unavailable
    case SNMPERR_TOO_LONG:
        return 1; // tooBig
    case SNMPERR_BAD_VERSION:
    case SNMPERR_UNKNOWN_PDU:
    case SNMPERR_NULL_PDU:
    case SNMPERR_NO_VARS:
    case SNMPERR_VAR_TYPE:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2:
        return InvalidPdu;
    case SNMPERR_BAD_SESSION:
    case SNMPERR_BAD_LOCPORT:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
        return TransportFailed;
    case SNMPERR_BAD_PARSE:
    case SNMPERR_ASN_PARSE_ERR:
    case SNMPERR_BAD_ASN1_BUILD:
        return -1408; // parse error
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return -1402;
    case SNMPERR_INVALID_MSG:
    case SNMPERR_UNKNOWN_REPORT:
        return -1405;
    case SNMPERR_BAD_ENG_ID:
        return -1406;
    case SNMPERR_BAD_CONTEXT:
        return -1417;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return UsmUnknownEngineId;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
    case SNMPERR_BAD_SEC_NAME:
        return 1404;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
        return 1403;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return 1408;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return 1411;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return 1406;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return UsmEncryptionError;
    case SNMPERR_USM_GENERICERROR:
    case SNMPERR_SC_GENERAL_FAILURE:
    case SNMPERR_SC_NOT_CONFIGURED:
    case SNMPERR_KT_NOT_AVAILABLE:
        return 1401;
    case SNMPERR_USM_PARSEERROR:
        return 1409;
    default:
        return OperationFailed;
    }
}
