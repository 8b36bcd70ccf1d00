// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_surveillancevlan.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SurveillanceVLANGlobalVALNIDSettings[] = {
    {"1.3.6.1.4.1.746.12.102.1.1.1", "VALN ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.102.1.1.2", "Global State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow SurveillanceVLANGlobalPrioritySettings[] = {
    {"1.3.6.1.4.1.746.12.102.1.1.3", "Priority", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.102.1.1.4", "Aging Time", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.102.1.1.5", "Log State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow SurveillanceVLANGlobalMemberPortListSettings[] = {
    {"1.3.6.1.4.1.746.12.102.1.2.1", "Member Port list", itBitList, acReadOnly},
    {"1.3.6.1.4.1.746.12.102.1.2.2", "Dynamic Port list", itBitList, acReadOnly},
    {},
};

constexpr MibTableRow SurveillanceVLANDeviceTable[] = {
    {"1.3.6.1.4.1.746.12.102.1.2.3.1.1", "Port", itCounter, acNotAccess},
    {"1.3.6.1.4.1.746.12.102.1.2.3.1.2", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.102.1.2.3.1.3", "Component Type", itInteger, acReadWrite,
     &VmsVmsClientVideoEncoderList},
    {"1.3.6.1.4.1.746.12.102.1.2.3.1.4", "Start Time", itDateTime, acReadOnly},
    {},
};

constexpr MibTableRow SurveillanceVLANOUITable[] = {
    {"1.3.6.1.4.1.746.12.102.1.3.1.1.1", "MAC Address", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.102.1.3.1.1.2", "Mask", itMacAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.102.1.3.1.1.3", "Component Type", itInteger, acReadWrite,
     &VmsVmsClientVideoEncoderList},
    {"1.3.6.1.4.1.746.12.102.1.3.1.1.4", "Description", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.102.1.3.1.1.5", "Row Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow SurveillanceVLANPortTable[] = {
    {"1.3.6.1.4.1.746.12.102.1.3.2.1.1", "Port Number", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.102.1.3.2.1.2", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};
