// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_ddm.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow DDMInformationSettings[] = {
    {"1.3.6.1.4.1.746.12.72.1.1", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.72.1.2", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.72.1.3", "Power Unit", itInteger, acReadWrite, &MwDbmList},
    {},
};

constexpr MibTableRow DDMStatusTable[] = {
    {"1.3.6.1.4.1.746.12.72.2.1.1.1.1", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.72.2.1.1.1.2", "Temperature", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.72.2.1.1.1.3", "Voltage", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.72.2.1.1.1.4", "Bias Current", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.72.2.1.1.1.5", "TX Power", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.72.2.1.1.1.6", "RX Power", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow DDMThresholdManagementTable[] = {
    {" ", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.72.3.1.1.1.1", "Type", itInteger, acNotAccess, &TemperatureVoltageBiasList},
    {"1.3.6.1.4.1.746.12.72.3.1.1.1.2", "High Alarm", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.72.3.1.1.1.3", "Low Alarm", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.72.3.1.1.1.4", "High Warning", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.72.3.1.1.1.5", "Low Warning", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow DDMActionManagementTable[] = {
    {" ", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.72.3.2.1.1.1", "Action Type", itInteger, acNotAccess, &AlarmWarningList},
    {"1.3.6.1.4.1.746.12.72.3.2.1.1.2", "Shutdown", itInteger, acReadWrite, &EnabledDisabledOtherList},
    {"1.3.6.1.4.1.746.12.72.3.2.1.1.3", "Trap And Log", itInteger, acReadWrite, &EnabledDisabledOtherList},
    {},
};

constexpr MibTableRow DDMPortManagementTable[] = {
    {" ", "Port", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.72.3.2.2.1.1", "DDM Port State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.72.3.2.2.1.2", "DDM Port Shutdown", itInteger, acReadWrite, &AlarmWarningNoneList},
    {},
};
