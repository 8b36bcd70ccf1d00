// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_systemlogunit.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SystemLogGlobalSettings[] = {
    {"1.3.6.1.4.1.746.12.12.1", "Global State", itInteger, acReadWrite, &DisabledEnabledList},
    {},
};

constexpr MibTableRow LogSaveControlSettings[] = {
    {"1.3.6.1.4.1.746.12.12.3.1", "Method", itInteger, acReadWrite, &TimeIntervalOnDemandLogTriggerList},
    {"1.3.6.1.4.1.746.12.12.3.2", "Time Interval", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow SystemLogClearLogSettings[] = {
    {"1.3.6.1.4.1.746.12.12.4.1", "Clear Log", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow SystemLogClearDangerousLogSettings[] = {
    {"1.3.6.1.4.1.746.12.12.4.2.1", "Clear Dangerous Unit ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.12.4.2.2", "Clear Dangerous Log", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow SystemLogHostTable[] = {
    {"1.3.6.1.4.1.746.12.12.2.1.1", "Index", itInteger, acNotAccess,
     &SwSysLogServerInSwSysLogServerInSwSysLogList},
    {"1.3.6.1.4.1.746.12.12.2.1.3", "Facility", itInteger, acReadWrite, &Local0Local1Local2List},
    {"1.3.6.1.4.1.746.12.12.2.1.4", "Severity", itInteger, acReadWrite, &WarningInformationalEmergencyList},
    {"1.3.6.1.4.1.746.12.12.2.1.5", "UDP Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.12.2.1.6", "State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.12.2.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.12.2.1.8", "Address Type", itInteger, acReadWrite, &Ipv4Ipv6List},
    {"1.3.6.1.4.1.746.12.12.2.1.9", "IP Address", itInetAddress, acReadWrite},
    {},
};

constexpr MibTableRow SystemlogunitFacilityTable[] = {
    {"1.3.6.1.4.1.746.12.12.2.1.1", "Index", itInteger, acNotAccess,
     &SwSysLogServerInSwSysLogServerInSwSysLogList},
    {"1.3.6.1.4.1.746.12.12.2.1.3", "Facility", itInteger, acReadWrite, &Local0Local1Local2List},
    {"1.3.6.1.4.1.746.12.12.2.1.4", "Severity", itInteger, acReadWrite, &WarningInformationalEmergencyList},
    {"1.3.6.1.4.1.746.12.12.2.1.5", "UDP Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.12.2.1.6", "State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.12.2.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.12.2.1.8", "Address Type", itInteger, acReadWrite, &Ipv4List},
    {"1.3.6.1.4.1.746.12.12.2.1.9", "IP Address", itInetAddress, acReadWrite},
    {},
};
