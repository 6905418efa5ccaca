#pragma once

#include <QtGlobal>

// Syntax codes of a variable. The standard SMI tags keep their BER values; the
// others travel as octet strings (or parts of one) but are shown differently.
namespace QxSyntax {
enum Code : quint32 {
    boolean = 1,
    integer = 2,
    bitstr = 3,
    octetstr = 4,
    null = 5,
    objectid = 6,
    ipaddress = 64,
    counter = 65,
    guage = 66,
    timeticks = 67,
    opaque = 68,
    nsapaddr = 69,
    counter64 = 70,
    uinteger = 71,
    double_ = 72, // an IEEE double in 8 octets ("double" is a C++ keyword)
    macaddress = 73,
    datetime = 74,
    bcdatetime = 75,
    displaystr = 76,
    ipv6address = 77,
    bool8 = 193,
    int8 = 194,
    uint8 = 195,
    bool16 = 196,
    int16 = 197,
    uint16 = 198,
};
} // namespace QxSyntax

// Access flags of a variable: bits of the low byte.
namespace QxAccess {
enum Flag : quint32 {
    notaccess = 1,  // index column: decoded from the row instance, never fetched
    readonly = 2,   // fetched by every read
    writeonly = 4,  // sent by every write
    readwrite = 6,
    derived = 8,    // computed locally
    hidden = 16,    // not a visible list column
    invalid = 32,   // excluded for the time being (writes with a selection list)
    implied = 64,   // last key encoded without a length prefix
    secret = 128,   // a key, password or community: its values never go into a record
};
} // namespace QxAccess

// What a variable list describes and how it is read.
enum QxSNMPListKind : quint8 {
    SVT_SV = 0,  // a group of scalars: one GET with ".0"
    MVT_SV = 1,  // one table row at the list's instance suffix: one GET
    MVT_FMV = 2, // a table walked row by row, rows shown for reading
    MVT_UMV = 3, // a table walked row by row, rows edited
};
