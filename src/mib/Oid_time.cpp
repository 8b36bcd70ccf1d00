// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_time.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow CurrentTimeSettings[] = {
    {"1.3.6.1.4.1.746.12.10.1", "Time Capacity", itBitString, acReadOnly},
    {"1.3.6.1.4.1.746.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", itDateTime, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.3", "Clock Reset On Reboot", itInteger, acReadOnly, &TruthValueList},
    {},
};

constexpr MibTableRow SystemTimeSettings[] = {
    {"1.3.6.1.4.1.746.12.10.10.1", "Current Time", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.10.10.2", "Up Time", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.10.10.3", "Boot Time", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.10.10.4", "Time Zone (-779-839)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow SummerTimeSettings[] = {
    {"1.3.6.1.4.1.746.12.10.12.1", "State", itInteger, acReadWrite, &DisabledRepeatingAnnualList},
    {"1.3.6.1.4.1.746.12.10.12.2", "Offset", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.12.3", "Repeat Start", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.12.4", "Repeat End", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.12.5", "Annual Start", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.12.6", "Annual End", itOctetString, acReadWrite},
    {},
};

constexpr MibTableRow NetworkTimeSettings[] = {
    {"1.3.6.1.4.1.746.12.10.11.1", "Network Time State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.10.11.2", "Time Source", itInteger, acReadOnly, &SystemServer1Server2List},
    {"1.3.6.1.4.1.746.12.10.11.3", "Server 1 IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.4", "Server 2 IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.5", "Poll Interval (30-99999 sec)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.6", "IPv6 Server 1 IP Address", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.7", "IPv6 Server 2 IP Address", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.8", "IPv6 Server 1 Interface Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.9", "IPv6 Server 2 Interface Name", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow TimeNetworkTimeStateSettings[] = {
    {"1.3.6.1.4.1.746.12.10.11.1", "Network Time State", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.10.11.2", "Time Source", itInteger, acReadOnly, &SystemServer1Server2List},
    {"1.3.6.1.4.1.746.12.10.11.3", "Server 1 IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.4", "Server 2 IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.10.11.5", "Poll Interval (30-99999 sec)", itInteger, acReadWrite},
    {},
};
