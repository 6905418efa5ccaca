#include "tables/CommandCatalogue.h"

#include "tables/BasicConfigurationMenu.h"
#include "tables/BridgeMenu.h"
#include "tables/HelpMenu.h"
#include "tables/Layer2ManagementMenu.h"
#include "tables/Layer3ManagementMenu.h"
#include "tables/RmonMenu.h"
#include "tables/SecurityManagementMenu.h"
#include "tables/SingleIpMenu.h"
#include "tables/SnmpV3Menu.h"
#include "tables/VlanMenu.h"

namespace {
const CommandGroup *const kGroups[] = {
    &basicConfigurationMenuGroup, &rmonMenuGroup, &bridgeMenuGroup, &vlanMenuGroup, &snmpV3MenuGroup,
    &SecurityManagementGroup, &Layer2ManagementGroup, &Layer3ManagementGroup, &SingleIpGroup, &HelpGroup,
};
} // namespace

std::span<const CommandGroup *const> CommandCatalogue::groups()
{
    return kGroups;
}
