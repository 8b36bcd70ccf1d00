// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_system.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow PowerUnitIndexTable[] = {
    {"1.3.6.1.4.1.746.12.11.1.6.1.1", "Unit Index", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.6.1.2", "ID", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.6.1.3", "State", itInteger, acReadOnly, &OtherLowVoltageOverCurrentList},
    {},
};

constexpr MibTableRow TemperatureTable[] = {
    {"1.3.6.1.4.1.746.12.11.1.8.1.1", "Unit Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.8.1.2", "Current Temperature (Celsius)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.8.1.3", "High Warning Temperature Threshold (Celsius)", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.11.1.8.1.4", "Low Warning Temperature Threshold (Celsius)", itInteger, acReadWrite},
    {},
};

constexpr MibTableRow TemperatureControlSettings[] = {
    {"1.3.6.1.4.1.746.12.11.1.12.1", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.12.2", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow SystemUnitInsertSettings[] = {
    {"1.3.6.1.4.1.746.12.11.2.1.1.1", "Unit Insert", itInteger, acReadWrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.746.12.11.2.1.1.2", "Unit Remove", itInteger, acReadWrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.746.12.11.2.1.1.3", "Unit Failure", itInteger, acReadWrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.746.12.11.2.1.2.1", "Power Failure", itInteger, acReadWrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.746.12.11.2.1.2.2", "Power Recover", itInteger, acReadWrite, &CriticalMajorMinorList},
    {},
};

constexpr MibTableRow UnitTable[] = {
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.1", "Management ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.2", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.3", "Start Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.4", "Port Range", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.6", "Control Mode", itInteger, acReadWrite, &OtherAutoStandAloneList2},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.7", "Current Mode", itInteger, acReadOnly, &OtherAutoStandAloneList},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.8", "Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.9", "Module Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.10", "Prom Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.11", "Firmware Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.12", "Hardware Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.13", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.14", "User Set State", itInteger, acReadOnly, &OtherAutoUserList},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.15", "Exist State", itInteger, acReadOnly, &ExistNoExistList},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.16", "Box ID", itInteger, acReadWrite, &Box1Box2Box3List},
    {},
};

constexpr MibTableRow StartupUnitTable[] = {
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.1", "ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.2", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.3", "Start Port", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.4", "Port Range", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.5", "Front Panel Led Status", itOctetString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.7", "Current Mode", itInteger, acReadOnly, &OtherAutoStandAloneList},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.8", "Version", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.9", "Module Name", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.4.1.15", "Exist State", itInteger, acReadOnly, &ExistNoExistList},
    {},
};

constexpr MibTableRow EquipmentBasicInfo[] = {
    {"1.3.6.1.4.1.746.12.11.1.1", "Capacity", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.5", "Topology", itInteger, acReadOnly, &StandAloneDuplexChainDuplexRingList},
    {"1.3.6.1.4.1.746.12.11.1.9.7", "Force Master Role", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.9.6", "Mode", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.9.8", "Trap State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.9.9", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow UnitInformation[] = {
    {"1.3.6.1.4.1.746.12.11.1.9.1", "Stacking Version", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.2", "Max Supported Units", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.9.3", "Number of Units", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow StackModeSettings[] = {
    {"1.3.6.1.4.1.746.12.11.1.9.6", "Mode", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow FanTable[] = {
    {"1.3.6.1.4.1.746.12.11.1.7.1.1", "Unit Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.7.1.2", "ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.7.1.3", "Status", itInteger, acReadOnly, &OtherWorkingFailList},
    {"1.3.6.1.4.1.746.12.11.1.7.1.4", "Position", itInteger, acReadOnly, &OtherLeftRightList},
    {"1.3.6.1.4.1.746.12.11.1.7.1.5", "Number", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.11.1.7.1.6", "Speed", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow SystemMessageTable[] = {
    {"1.3.6.1.4.1.746.12.11.1.10.1.1", "Channel", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.10.1.2", "Message", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.11.1.10.1.3", "State", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow GlobalLinkDetectionStateSettings[] = {
    {"1.3.6.1.4.1.746.12.11.1.11.1", "Link Detection State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.11.2", "Length Detection State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.11.3", "Hiber State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.11.4", "Port LED State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.11.5", "Port State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow PowerSavingHibernationTable[] = {
    {" ", "Range Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.11.6.1.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PowerSavingPortLEDTable[] = {
    {" ", "Range Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.11.6.2.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow PowerSavingPortEntryTable[] = {
    {"1.3.6.1.4.1.746.12.11.1.11.6.3.1.1", "Port Index", itInteger, acNotAccess},
    {" ", "Range Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.11.1.11.6.3.1.100", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow LEDStateSettings[] = {
    {"1.3.6.1.4.1.746.12.11.1.13.1", "Port LED State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow LightPortLEDSettings[] = {
    {"1.3.6.1.4.1.746.12.11.1.14.1", "Light Port LED Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.11.1.14.2", "Light Port LED State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow EEEStateFormSettings[] = {
    {"1.3.6.1.4.1.746.12.11.1.11.20.1", "EEE State", itBitString, acReadWrite},
    {},
};

constexpr MibTableRow SNMPCounters[] = {
    {"1.3.6.1.2.1.11.1", "SNMP In Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.2", "SNMP Out Packets", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.3", "SNMP In Bad Versions", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.4", "SNMP In Bad Community Names", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.5", "SNMP In Bad Community Uses", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.6", "SNMP In ASN Parse Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.8", "SNMP In Too Bigs", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.9", "SNMP In No Such Names", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.10", "SNMP In Bad Values", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.11", "SNMP In Read Onlys", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.12", "SNMP In General Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.13", "SNMP In Total Request Vars", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.14", "SNMP In Total Set Vars", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.15", "SNMP In Get Requests", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.16", "SNMP In Get Nexts", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.17", "SNMP In Set Requests", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.18", "SNMP In Get Responses", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.19", "SNMP In Traps", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.20", "SNMP Out Too Bigs", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.21", "SNMP Out No Such Names", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.22", "SNMP Out Bad Values", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.24", "SNMP Out General Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.25", "SNMP Out Get Requests", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.26", "SNMP Out Get Nexts", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.27", "SNMP Out Set Requests", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.28", "SNMP Out Get Responses", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.29", "SNMP Out Traps", itCounter, acReadOnly},
    {"1.3.6.1.2.1.11.30", "SNMP Enable Authentication Traps", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define PanelZQS441024TCTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.4.1.1.1.2", "swLedInfoFrontPanelLedStatus", itOctetString, \
     acReadOnly}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(PanelZQS441024TCTable)
#undef PanelZQS441024TCTableRows
// clang-format on
