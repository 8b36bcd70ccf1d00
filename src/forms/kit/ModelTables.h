// Per-model tables: a dialog whose table lies under 1.3.6.1.4.1.746.11.117.m takes copy m of its
// model set, m being the model whose sysObjectID text 1.3.6.1.4.1.746.10.117.m.1 (m = 2..7) the
// switch reported. Each dialog compares either exactly or without regard to case.
#pragma once

#include "MibModelSet.h"

#include <string_view>

enum class SysObjectIdMatch { Exact, IgnoreCase };

// The model number m of the sysObjectID text; 0 when it names none of the six models.
int ModelOfSysObjectIdText(std::string_view sysObjectId, SysObjectIdMatch match);

// The set's copy for the switch's model; null for an unknown model, which the dialog then treats
// as unsupported (TableDialogController::MarkUnsupported) instead of reading another model's
// objects.
const MibTableRow* ModelTable(const MibModelSet& set, std::string_view sysObjectId, SysObjectIdMatch match);
