// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_cfm.h"

#include "CatalogueOptionLists.h"

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define CFMGlobalStateSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.21.1", "State", itInteger, acReadWrite, &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(CFMGlobalStateSettings)
#undef CFMGlobalStateSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define CFMPortTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.21.2.1.1", "Port Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.1.2.21.2.1.2", "State", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(CFMPortTable)
#undef CFMPortTableRows
// clang-format on

constexpr MibTableRow CFMStackTable[] = {
    {"1.3.111.2.802.1.1.8.1.1.1.1.1", "IF Index", itInteger, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.1.1.1.2", "VLAN ID or None", itInteger, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.1.1.1.3", "MD Level", itInteger, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.1.1.1.4", "Direction", itInteger, acNotAccess, &DownUpList},
    {"1.3.111.2.802.1.1.8.1.1.1.1.5", "MD Index", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.1.1.1.6", "MA Index", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.1.1.1.7", "MEP ID", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.1.1.1.8", "MAC Address", itMacAddress, acReadOnly},
    {},
};

constexpr MibTableRow CfmVLANPrimaryIDTable[] = {
    {"1.3.111.2.802.1.1.8.1.3.1.1.1", "Component ID", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.3.1.1.2", "VLAN ID", itInteger, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.3.1.1.3", "VLAN Primary ID", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.3.1.1.4", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow CfmMDTableNextIndexSettings[] = {
    {"1.3.111.2.802.1.1.8.1.5.1", "MD Table Next Index", itGauge, acReadOnly},
    {},
};

constexpr MibTableRow CFMMDTable[] = {
    {"1.3.111.2.802.1.1.8.1.5.2.1.1", "MD Index", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.5.2.1.2", "Format", itInteger, acReadWrite, &NoneDnsLikeNameMacAddressAndUinList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.3", "Name", itDisplayString, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.5.2.1.4", "MD Level", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.5.2.1.5", "MHF Creation", itInteger, acReadWrite,
     &DefMHFnoneDefMHFdefaultDefMHFexplicitList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.6", "MHF ID Permission", itInteger, acReadWrite,
     &SendIdNoneSendIdChassisSendIdManageList},
    {"1.3.111.2.802.1.1.8.1.5.2.1.8", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow CFMMANetTable[] = {
    {" ", "MD Index", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.6.1.1.1", "MA Index", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.6.1.1.2", "MA Net Format", itInteger, acReadWrite,
     &PrimaryVidCharStringUnsignedInt16List},
    {"1.3.111.2.802.1.1.8.1.6.1.1.3", "MA Net Name", itDisplayString, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.6.1.1.4", "MA Net CCM Interval", itInteger, acReadWrite,
     &IntervalInvalidInterval300HzInterval10msList},
    {"1.3.111.2.802.1.1.8.1.6.1.1.5", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow CFMMAComponentTable[] = {
    {"1.3.111.2.802.1.1.8.1.6.2.1.1", "Component ID", itGauge, acNotAccess},
    {" ", "MD Index", itGauge, acNotAccess},
    {" ", "MA Index", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.6.2.1.2", "Primary VLAN ID", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.6.2.1.3", "MHF Creation", itInteger, acReadWrite,
     &DefMHFnoneDefMHFdefaultDefMHFexplicitList},
    {"1.3.111.2.802.1.1.8.1.6.2.1.4", "Permission", itInteger, acReadWrite,
     &SendIdNoneSendIdChassisSendIdManageList},
    {"1.3.111.2.802.1.1.8.1.6.2.1.5", "Number of VLAN IDs (Only Support one VLAN)", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.6.2.1.6", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow CFMMAMEPListTable[] = {
    {" ", "MD Index", itGauge, acNotAccess},
    {" ", "MA Index", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.6.3.1.1", "Identifier", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.6.3.1.2", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow CFMMEPTable[] = {
    {" ", "MD Index", itGauge, acNotAccess},
    {" ", "MA Index", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.7.1.1.1", "Identifier", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.7.1.1.2", "IF Index", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.3", "Direction", itInteger, acReadWrite, &DownUpList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.4", "Primary VLAN ID", itGauge, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.5", "Active", itInteger, acReadWrite, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.6", "FNG State", itInteger, acReadOnly,
     &FngResetFngDefectFngReportDefectList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.7", "CCI Enabled", itInteger, acReadWrite, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.8", "CCM LTM Priority", itGauge, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.9", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.10", "Lowest Priority Defect", itInteger, acReadWrite,
     &AllDefMacRemErrXconRemErrXconList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.11", "FNG Alarm Time", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.12", "FNG Reset Time", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.13", "Highest Priority Defect", itInteger, acReadOnly,
     &NoneDefRDICCMDefMACstatusList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.17", "CCM Sequence Errors", itCounter, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.18", "CCI Sent CCMs", itCounter, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.19", "Next Loopback Message Transmit ID", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.20", "In-order Loopback Replies Received", itCounter, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.21", "Out-of-order Loopback Replies Received", itCounter, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.23", "Next Sequence Number of Linktrace Message", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.24", "Unexpected Linktrace Message Received", itCounter, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.25", "Loopback Replies Transmitted", itCounter, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.26", "Transmit LBM Status", itInteger, acReadWrite, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.27", "Transmit LBM Destination MAC Address", itMacAddress, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.30", "Transmit LBM Messages", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.31", "Transmit LBM Data TLV", itOctetString, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.32", "Transmit LBM VLAN Priority", itInteger, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.34", "Transmit LBM Result OK", itInteger, acReadOnly, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.35", "Transmit LBM Sequence Number", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.36", "Transmit LTM State", itInteger, acReadOnly, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.37", "Transmit LTM Flags", itOctetString, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.38", "Transmit LTM Target MAC Address", itMacAddress, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.41", "Transmit LTM TTL", itGauge, acReadWrite},
    {"1.3.111.2.802.1.1.8.1.7.1.1.42", "Transmit LTM Result", itInteger, acReadOnly, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.1.1.43", "Transmit LTM Sequence Number", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.1.1.45", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};

constexpr MibTableRow CFMLinktraceRepliesTable[] = {
    {" ", "MD Index", itGauge, acNotAccess},
    {" ", "MA Index", itGauge, acNotAccess},
    {" ", "MEP Identifier", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.7.2.1.1", "Sequence Number", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.7.2.1.2", "Receive Order", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.7.2.1.3", "TTL", itGauge, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.2.1.4", "Forwarded", itInteger, acReadOnly, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.5", "Terminal MEP", itInteger, acReadOnly, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.6", "Last Egress Identifier", itOctetString, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.2.1.7", "Next Egress Identifier", itOctetString, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.2.1.8", "Relay", itInteger, acReadOnly, &RlyHitRlyFdbRlyMpdbList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.13", "Ingress", itInteger, acReadOnly, &IngNoTlvIngOkIngDownList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.14", "Ingress MAC", itMacAddress, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.2.1.17", "Egress", itInteger, acReadOnly, &EgrNoTlvEgrOKEgrDownList},
    {"1.3.111.2.802.1.1.8.1.7.2.1.18", "Egress MAC", itMacAddress, acReadOnly},
    {},
};

constexpr MibTableRow CFMMEPDatabaseTable[] = {
    {" ", "MD Index", itGauge, acNotAccess},
    {" ", "MA Index", itGauge, acNotAccess},
    {" ", "MEP Identifier", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.7.3.1.1", "Remote Mep Identifier", itGauge, acNotAccess},
    {"1.3.111.2.802.1.1.8.1.7.3.1.2", "Remote Mep State", itInteger, acReadOnly,
     &RMepIdleRMepStartRMepFailedList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.3", "Remote Mep Failed Ok Time", itTimeTicks, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.3.1.4", "MAC Address", itMacAddress, acReadOnly},
    {"1.3.111.2.802.1.1.8.1.7.3.1.5", "RDI", itInteger, acReadOnly, &TruthValueList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.6", "Port Status TLV", itInteger, acReadOnly,
     &PsNoPortStateTLVPsBlockedPsUpList},
    {"1.3.111.2.802.1.1.8.1.7.3.1.7", "Interface Status TLV", itInteger, acReadOnly,
     &IsNoInterfaceStaIsUpIsDownList},
    {},
};

constexpr MibTableRow CFMExtensionFaultTable[] = {
    {" ", "MD Index", itGauge, acNotAccess},
    {" ", "MA Index", itGauge, acNotAccess},
    {" ", "MEP Identifier", itGauge, acNotAccess},
    {"1.3.6.1.4.1.746.12.86.1.1.1.1", "AIS State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.86.1.1.1.2", "AIS Period", itInteger, acReadWrite, &OneSecondOneMinuteList},
    {"1.3.6.1.4.1.746.12.86.1.1.1.3", "AIS Level", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.86.1.1.1.4", "AIS Status", itInteger, acReadOnly, &DetectedClearedList},
    {"1.3.6.1.4.1.746.12.86.1.1.1.5", "Lock State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.86.1.1.1.6", "Lock Period", itInteger, acReadWrite, &OneSecondOneMinuteList},
    {"1.3.6.1.4.1.746.12.86.1.1.1.7", "Lock Level", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.86.1.1.1.8", "Lock Status", itInteger, acReadOnly, &DetectedClearedList},
    {},
};

constexpr MibTableRow CFMExtensionLockControlTable[] = {
    {" ", "MD Index", itGauge, acNotAccess},
    {" ", "MA Index", itGauge, acNotAccess},
    {" ", "MEP Identifier", itGauge, acNotAccess},
    {" ", "MEP List Identifier", itGauge, acNotAccess},
    {"1.3.6.1.4.1.746.12.86.1.2.1.1", "Lock Control Action", itInteger, acReadWrite, &StartStopList},
    {},
};

constexpr MibTableRow TrapStateSettings[] = {
    {"1.3.6.1.4.1.746.12.86.100.1.1", "AIS Notify State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.86.100.1.2", "Lock Notify State", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};
