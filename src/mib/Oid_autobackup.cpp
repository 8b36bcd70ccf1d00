// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_autobackup.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SDCardBackupControlTable[] = {
    {"1.3.6.1.4.1.746.12.95.1.2.1.1.1", "Type", itInteger, acNotAccess, &ConfigurationLogList},
    {" ", "Time Range Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.95.1.2.1.1.2", "File Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.95.1.2.1.1.3", "Backup State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.95.1.2.1.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SDCardExecuteControlTable[] = {
    {" ", "Time Range Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.95.1.3.1.1.1", "File Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.95.1.3.1.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.95.1.3.1.1.3", "Increment", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.95.1.3.1.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow ExecuteConfiguration[] = {
    {"1.3.6.1.4.1.746.12.95.1.4.1", "File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.95.1.4.2", "Increment", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.95.1.4.3", "Action", itInteger, acReadWrite, &OtherStartList},
    {},
};
