// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_dot3unit.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow dot3ControlFunctionSupportedTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", itBitString, acReadOnly},
    {},
};

constexpr MibTableRow dot3ControlReceivedUnknownOpcodeTable[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow dot3PauseAdministrationModeTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.10.7.10.1.1", "Administration Mode", itInteger, acReadWrite, &DisabledEnabledXmitAndRcList},
    {"1.3.6.1.2.1.10.7.10.1.2", "Oper Mode", itInteger, acReadOnly, &DisabledEnabledXmitEnabledRcvList},
    {},
};

constexpr MibTableRow dot3PauseInPauseFramesTable[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow dot3Statistics[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.2.1.10.7.2.1.2", "Alignment Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.3", "FCS Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.4", "Single Collision Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.5", "Multiple Collision Frames", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.6", "SQE Test Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.7", "Deferred Transmissions", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.8", "Late Collisions", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.9", "Excessive Collisions", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.10", "Internal MAC Transmit Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.11", "Carrier Sense Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.13", "Frame Too Longs", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.16", "Internal MAC Receive Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.17", "Ether ChipSet", itObjectId, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.18", "Symbol Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex State", itInteger, acReadOnly, &UnknownHalfDuplexFullDuplexList},
    {},
};
