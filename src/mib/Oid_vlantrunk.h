// Catalogue tables: per-model VLAN trunk table.
#pragma once

#include "MibModelSet.h"

ZQS_DECLARE_MODEL_SET(VLANTrunkSettings, 3);
