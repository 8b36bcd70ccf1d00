// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_snmptarget.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow GeneralInformation[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", itInteger, acReadOnly},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", itCounter, acReadOnly},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow TargetAddressTDomainTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", itDisplayString, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain", itObjectId, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress", itBitString, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", itInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count", itInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "Parameters", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow TargetParametersTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", itDisplayString, acNotAccess | acImplied},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", itInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", itInteger, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", itInteger, acReadWrite, &NoAuthNoPrivAuthNoPrivAuthPrivList},
    {"1.3.6.1.6.3.12.1.3.1.6", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SNMPCommunityTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", itDisplayString, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", itOctetString, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.18.1.1.1.8", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow TargetAddressTMaskTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", itDisplayString, acNotAccess | acImplied},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS  ", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow NotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", itDisplayString, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", itInteger, acReadWrite, &TrapInformList},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow NotifyFilterProfileTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", itDisplayString, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.13.1.2.1.3", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow NotifyFilterTable[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Profile Name", itDisplayString, acNotAccess},
    {"1.3.6.1.6.3.13.1.3.1.1", "Sub Tree", itObjectId, acNotAccess | acImplied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Mask", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Type", itInteger, acReadWrite, &IncludedExcludedList},
    {"1.3.6.1.6.3.13.1.3.1.4", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.13.1.3.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};
