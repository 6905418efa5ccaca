#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxNetSnmpStatus.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <gtest/gtest.h>

namespace {

int programCode(int snmpErr)
{
    return QxMessageCatalogue().mapLibraryStatus(QxNetSnmpStatus::fromLibraryError(snmpErr)).code;
}

TEST(QxNetSnmpStatusTest, LibraryErrorsReachTheCatalogueRanges)
{
    EXPECT_EQ(programCode(SNMPERR_SUCCESS), 0);
    EXPECT_EQ(programCode(SNMPERR_TIMEOUT), -405);
    EXPECT_EQ(QxMessageCatalogue().mapLibraryStatus(QxNetSnmpStatus::SessionClosed).code, -408);
    EXPECT_EQ(programCode(SNMPERR_BAD_ADDRESS), -418);
    EXPECT_EQ(programCode(SNMPERR_UNKNOWN_USER_NAME), -304);
    EXPECT_EQ(programCode(SNMPERR_AUTHENTICATION_FAILURE), -308);
    EXPECT_EQ(programCode(SNMPERR_USM_UNKNOWNENGINEID), -310);
    EXPECT_EQ(programCode(SNMPERR_NOT_IN_TIME_WINDOW), -311);
    EXPECT_EQ(programCode(SNMPERR_DECRYPTION_ERR), -306);
    EXPECT_EQ(programCode(SNMPERR_BAD_PARSE), -207);
    EXPECT_EQ(programCode(SNMPERR_TOO_LONG), -101);
    // Whatever the library invents later still maps to a catalogue entry.
    for (int e = SNMPERR_MAX; e < 0; ++e) {
        const int code = programCode(e);
        EXPECT_NE(code, -528) << e;
        EXPECT_LT(code, 0) << e;
    }
}

} // namespace
