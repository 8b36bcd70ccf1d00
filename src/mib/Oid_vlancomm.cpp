// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_vlancomm.h"

#include "CatalogueOptionLists.h"

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define VLANPortInfomationTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.2.3.1.1", "Port Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.2.3.1.2", "VLAN ID", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.2.3.1.3", "Port Role", itInteger, acReadOnly, \
     &NoneUntaggedTaggedList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(VLANPortInfomationTable)
#undef VLANPortInfomationTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define StaticVLANManagementTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.2.1.1.1", "Index", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.2.1.1.2", "Advertisement", itInteger, acReadWrite, \
     &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(StaticVLANManagementTable)
#undef StaticVLANManagementTableRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define VLANNNIGVRPBPDUAddressSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.2.6", "State", itInteger, acReadWrite, &Dot1dDot1adList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(VLANNNIGVRPBPDUAddressSettings)
#undef VLANNNIGVRPBPDUAddressSettingsRows
// clang-format on

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define VLANManagementPVIDAutoAssignmentSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.2.2", "State", itInteger, acReadWrite, &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(VLANManagementPVIDAutoAssignmentSettings)
#undef VLANManagementPVIDAutoAssignmentSettingsRows
// clang-format on
