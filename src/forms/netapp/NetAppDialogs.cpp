#include "NetAppDialogs.h"

#include "DHCPRelayVLANControlUnit.h"
#include "DHCPv6RelayOptionUnit.h"
#include "DialogClassRegistrar.h"
#include "SMTPControlFormUnit.h"

void RegisterNetAppDialogs(DialogClassRegistrar& registry) {
    registry.Register("TDHCPRelayVLANControlUnitForm", DHCPRelayVLANControlUnitForm);
    registry.Register("TDHCPv6RelayOptionForm", DHCPv6RelayOptionForm);
    registry.Register("TSMTPControlForm", SMTPControlForm);
}
