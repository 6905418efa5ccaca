#include "snmp/QxUsmProtocols.h"
#include "snmp/QxUsmProtocolOids.h"

#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/transform_oids.h>

#include <QStringList>

namespace {

struct Row
{
    QxUsmProtocol protocol;
    const oid *id;
    std::size_t length;
};

const Row kAuth[] = {
    {{1, "none"}, usmNoAuthProtocol, USM_AUTH_PROTO_NOAUTH_LEN},
    {{2, "MD5"}, usmHMACMD5AuthProtocol, USM_AUTH_PROTO_MD5_LEN},
    {{3, "SHA"}, usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN},
    {{4, "SHA-224"}, usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)},
    {{5, "SHA-256"}, usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)},
    {{6, "SHA-384"}, usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)},
    {{7, "SHA-512"}, usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)},
};
const Row kPriv[] = {
    {{1, "none"}, usmNoPrivProtocol, USM_PRIV_PROTO_NOPRIV_LEN},
    {{2, "DES"}, usmDESPrivProtocol, USM_PRIV_PROTO_DES_LEN},
    {{3, "AES-128"}, usmAESPrivProtocol, USM_PRIV_PROTO_AES_LEN},
    // The 192- and 256-bit variants with the key extension most agents use.
    {{4, "AES-192"}, usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)},
    {{5, "AES-256"}, usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)},
};

const QxUsmProtocol kAuthProtocols[] = {kAuth[0].protocol, kAuth[1].protocol, kAuth[2].protocol, kAuth[3].protocol,
                                        kAuth[4].protocol, kAuth[5].protocol, kAuth[6].protocol};
const QxUsmProtocol kPrivProtocols[] = {kPriv[0].protocol, kPriv[1].protocol, kPriv[2].protocol, kPriv[3].protocol,
                                        kPriv[4].protocol};
static_assert(std::size(kAuthProtocols) == std::size(kAuth) && std::size(kPrivProtocols) == std::size(kPriv));

template <std::size_t N>
const Row *rowOf(const Row (&rows)[N], int number)
{
    for (const Row &row : rows)
        if (row.protocol.number == number)
            return &row;
    return nullptr;
}

template <std::size_t N>
QString names(const Row (&rows)[N])
{
    QStringList out;
    for (const Row &row : rows)
        if (row.protocol.number > 1)
            out << QString::fromLatin1(row.protocol.name);
    return out.join(QStringLiteral(", "));
}

} // namespace

namespace QxUsmProtocols {

std::span<const QxUsmProtocol> authentication()
{
    return kAuthProtocols;
}

std::span<const QxUsmProtocol> privacy()
{
    return kPrivProtocols;
}

const QxUsmProtocol *authenticationOf(int number)
{
    const Row *row = rowOf(kAuth, number);
    return row ? &row->protocol : nullptr;
}

const QxUsmProtocol *privacyOf(int number)
{
    const Row *row = rowOf(kPriv, number);
    return row ? &row->protocol : nullptr;
}

QString offered()
{
    return QStringLiteral("net-snmp %1; SNMPv3 authentication %2; privacy %3")
        .arg(QString::fromLatin1(netsnmp_get_version()), names(kAuth), names(kPriv));
}

} // namespace QxUsmProtocols

namespace QxUsmProtocolOids {

bool authentication(int number, Id &out)
{
    const Row *row = rowOf(kAuth, number);
    if (row)
        out = {row->id, row->length};
    return row != nullptr;
}

bool privacy(int number, Id &out)
{
    const Row *row = rowOf(kPriv, number);
    if (row)
        out = {row->id, row->length};
    return row != nullptr;
}

} // namespace QxUsmProtocolOids
