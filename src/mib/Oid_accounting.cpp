// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_accounting.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow RADIUSAccountingBasicInformation[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow RADIUSAccountingServerTable[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", itIpAddress, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accounting Port Number", itInteger, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", itTimeTicks, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", itGauge, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow AccountingSettings[] = {
    {"1.3.6.1.4.1.746.12.55.1.1", "Shell State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.55.1.2", "System State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.55.1.3", "Network State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};
