// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_trafficsegmentation.h"

// A braced table inside a macro, which clang-format cannot lay out.
// clang-format off
#define TrafficSegmentationTableRows(m) { \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.14.1.1.1", "Port", itInteger, acReadOnly}, \
    {"1.3.6.1.4.1.746.11.117." #m ".1.2.14.1.1.2", "Forward Ports", itBitList, acReadWrite}, \
    {}, \
}
ZQS_DEFINE_MODEL_SET(TrafficSegmentationTable)
#undef TrafficSegmentationTableRows
// clang-format on
