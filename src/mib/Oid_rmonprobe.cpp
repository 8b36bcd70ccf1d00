// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_rmonprobe.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow ProbeBasicInformation[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", itOctetString, acReadOnly},
    {"1.3.6.1.2.1.16.19.2", "Software revision", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.16.19.3", "Hardware revision", itDisplayString, acReadOnly},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", itInteger, acReadWrite, &RunningWarmBootColdBootList},
    {},
};

constexpr MibTableRow RMONProbeNetConfigurationTable[] = {
    {" ", "Interface Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.16.19.11.1.1", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.2", "Subnet Mask", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.3", "Row Status", itInteger, acReadOnly, &RowStatusList},
    {},
};

constexpr MibTableRow RMONProbeNetDefaultGatewaySettings[] = {
    {"1.3.6.1.2.1.16.19.12", "Default Gateway", itIpAddress, acReadWrite},
    {},
};
