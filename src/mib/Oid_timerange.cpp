// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_timerange.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow TimeRangeTable[] = {
    {"1.3.6.1.4.1.746.12.50.3.1.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.50.3.1.1.2", "Week Days", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.50.3.1.1.3", "Start Time", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.50.3.1.1.4", "End Time", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.50.3.1.1.5", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow TimeRangeTableACLTable[] = {
    {"1.3.6.1.4.1.746.12.50.3.2.1.1", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.50.3.2.1.2", "Access ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.50.3.2.1.3", "Time Range Name", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow TimeRangeTableCPUInterfaceFilteringTable[] = {
    {"1.3.6.1.4.1.746.12.50.3.3.1.1", "Profile ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.50.3.3.1.2", "Access ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.50.3.3.1.3", "Time Range Name", itDisplayString, acReadWrite},
    {},
};
