// The --hosts file: addresses with or without a port, each switch's own
// launch parameters, comments; a line that names no switch is refused with
// its number.
#include "app/cli/CliError.h"
#include "app/cli/CliHostList.h"

#include <gtest/gtest.h>

TEST(CliHostList, ReadsAddressesPortsParametersAndComments)
{
    const QList<CliHostList::Host> hosts = CliHostList::parse(
        "# core switches\n"
        "10.0.0.1\n"
        "\n"
        "10.0.0.2:16162 /v1 /Rpublic   # the lab one\n"
        "[::1]:161 /v3\n"
        "switch-3.example /Wsecret\n",
        "hosts");
    ASSERT_EQ(hosts.size(), 4);
    EXPECT_EQ(hosts[0].address, "10.0.0.1");
    EXPECT_FALSE(hosts[0].port.has_value());
    EXPECT_EQ(hosts[1].address, "10.0.0.2");
    EXPECT_EQ(hosts[1].port, 16162);
    EXPECT_EQ(hosts[1].parameters, QStringList({"/v1", "/Rpublic"}));
    EXPECT_EQ(hosts[1].line, 4);
    EXPECT_EQ(hosts[2].address, "::1");
    EXPECT_EQ(hosts[2].port, 161);
    EXPECT_EQ(hosts[3].parameters, QStringList({"/Wsecret"}));
}

TEST(CliHostList, RefusesALineThatNamesNoSwitch)
{
    for (const char *text : {"10.0.0.1:0\n", "10.0.0.1:70000\n", "10.0.0.1:\n", "10.0.0.1:abc\n", "/v1\n", "[::1\n"}) {
        try {
            CliHostList::parse(QString::fromLatin1("# first\n") + QLatin1String(text), "hosts");
            ADD_FAILURE() << "accepted " << text;
        } catch (const CliError &e) {
            EXPECT_TRUE(e.text().startsWith("hosts:2: ")) << e.text().toStdString();
        }
    }
}
