// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_snmpvacm.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SnmpvacmVACMContextNameSettings[] = {
    {"1.3.6.1.6.3.16.1.1.1.1", "VACM Context Name", itOctetString, acReadOnly},
    {},
};

constexpr MibTableRow SecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Model", itInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.16.1.2.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow AccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", itDisplayString, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Context Prefix", itDisplayString, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Security Model", itInteger, acNotAccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Security Level", itInteger, acNotAccess, &NoAuthNoPrivAuthNoPrivAuthPrivList},
    {"1.3.6.1.6.3.16.1.4.1.4", "Context Match", itInteger, acReadWrite, &ExactPrefixList},
    {"1.3.6.1.6.3.16.1.4.1.5", "Read View Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Write View Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Notify View Name", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.16.1.4.1.9", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ViewMIBTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name", itDisplayString, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Sub Tree", itObjectId, acNotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Family Type", itInteger, acReadWrite, &IncludedExcludedList},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "Family Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SnmpvacmSpinLockSettings[] = {
    {"1.3.6.1.6.3.16.1.5.1", "Spin Lock", itInteger, acReadWrite},
    {},
};
