// Per-model tables: a dialog whose table lies under 1.3.6.1.4.1.746.11.117.m takes copy m of its
// model set, m being the model of the sysObjectID the switch reported (DeviceModels.h). Each dialog
// compares either exactly or without regard to case.
#pragma once

#include "DeviceModels.h"
#include "MibModelSet.h"

#include <string_view>

// The set's copy for the switch's model; null for an unknown model, which the dialog then treats
// as unsupported (TableDialogController::MarkUnsupported) instead of reading another model's
// objects.
const MibTableRow* ModelTable(const MibModelSet& set, std::string_view sysObjectId, SysObjectIdMatch match);
