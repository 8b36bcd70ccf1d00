// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_vlantrunk.h"

#include "CatalogueOptionLists.h"

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define VLANTrunkSettingsRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.6.1.1", "Port", itInteger, acNotAccess}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.9.6.1.2", "State   ", itInteger, acReadWrite, &EnabledDisabledList}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(VLANTrunkSettings)
#undef VLANTrunkSettingsRows
// clang-format on
