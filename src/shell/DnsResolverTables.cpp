#include "DnsResolverTables.h"

#include "CatalogueOptionLists.h"
#include "VqOptionList.h"

namespace {

// The catalogue's lists where it has one of the same rows (the project keeps one list per content).
constexpr OptionSourceRow PrimarySecondaryRows[] = {{1, nullptr, "primary"}, {2, nullptr, "secondary"}, {}};
constinit const VqOptionList DnsPriorityList("DnsPriorityList", PrimarySecondaryRows);

} // namespace

const MibTableRow DnsResolverGlobalSettings[3] = {
    {"1.3.6.1.4.1.746.12.85.1.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.85.1.2", "Timeout (1-60 sec)", itInteger, acReadWrite},
    {},
};

const MibTableRow DnsStaticNameServerTable[5] = {
    {"1.3.6.1.4.1.746.12.85.1.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.85.1.3.1.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.85.1.3.1.1.3", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.85.1.3.1.1.4", "Priority", itInteger, acReadWrite, &DnsPriorityList},
    {},
};

const MibTableRow DnsDynamicNameServerTable[4] = {
    {"1.3.6.1.4.1.746.12.85.1.3.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.85.1.3.2.1.2", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.85.1.3.2.1.3", "Priority", itInteger, acReadOnly, &DnsPriorityList},
    {},
};

const MibTableRow DnsStaticHostTable[6] = {
    {"1.3.6.1.4.1.746.12.85.1.4.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.85.1.4.1.1.2", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {"1.3.6.1.4.1.746.12.85.1.4.1.1.3", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.85.1.4.1.1.4", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.85.1.4.1.1.6", "IPv6 Address", itIpv6Address, acReadWrite},
    {},
};

const MibTableRow DnsDynamicHostTable[8] = {
    {"1.3.6.1.4.1.746.12.85.1.4.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.85.1.4.2.1.2", "Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.85.1.4.2.1.3", "IP Address", itIpAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.85.1.4.2.1.4", "TTL", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.85.1.4.2.1.5", "Clear Control", itInteger, acReadWrite, &OtherStartList},
    {"1.3.6.1.4.1.746.12.85.1.4.2.1.7", "IPv6 Address", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.85.1.4.2.1.8", "Interface Name", itDisplayString, acReadWrite},
    {},
};

const MibTableRow DnsStaticIPv6NameServerTable[6] = {
    {"1.3.6.1.4.1.746.12.85.1.3.3.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.85.1.3.3.1.2", "IPv6 Address", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.85.1.3.3.1.3", "Interface Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.85.1.3.3.1.4", "Priority", itInteger, acReadWrite, &DnsPriorityList},
    {"1.3.6.1.4.1.746.12.85.1.3.3.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
