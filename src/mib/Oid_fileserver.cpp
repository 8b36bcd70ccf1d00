// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_fileserver.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow FileserverLoadTypeTable[] = {
    {"1.3.6.1.4.1.746.12.82.1.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.82.1.1.1.2", "Load Type", itInteger, acReadWrite, &OtherUploadDownloadList},
    {"1.3.6.1.4.1.746.12.82.1.1.1.3", "Type", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.82.1.1.1.4", "Server User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.1.1.5", "Server Address Type", itInteger, acReadWrite, &UnknownIpv4Ipv6List},
    {"1.3.6.1.4.1.746.12.82.1.1.1.6", "Server Address", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.1.1.7", "Server Path File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.1.1.8", "Unit ID", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.1.1.9", "Control ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.1.1.10", "Boot Up Image", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.82.1.1.1.11", "Force Agree", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.82.1.1.1.12", "Control", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow FileSystemTable[] = {
    {"1.3.6.1.4.1.746.12.82.1.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.82.1.2.1.2", "Load Type", itInteger, acReadWrite, &OtherUploadDownloadList},
    {"1.3.6.1.4.1.746.12.82.1.2.1.3", "File Type", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.82.1.2.1.4", "Server User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.2.1.5", "Server Address Type", itInteger, acReadWrite, &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.82.1.2.1.6", "Server Address", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.2.1.7", "Server Path File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.2.1.8", "Device Path File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.2.1.12", "Control", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow ServerConfigurationTable[] = {
    {"1.3.6.1.4.1.746.12.82.1.3.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.82.1.3.1.2", "Address Type", itInteger, acReadWrite, &UnknownIpv4List},
    {"1.3.6.1.4.1.746.12.82.1.3.1.3", "Address", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.82.1.3.1.4", "User Name", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow NLBMulticastFDBTable[] = {
    {"1.3.6.1.4.1.746.12.77.3.2.1.1", "VLAN Index", itGauge, acNotAccess},
    {"1.3.6.1.4.1.746.12.77.3.2.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.77.3.2.1.3", "Egress Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.77.3.2.1.4", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow NLBUnicastFDBTable[] = {
    {"1.3.6.1.4.1.746.12.77.3.1.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.77.3.1.1.2", "Egress Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.77.3.1.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
