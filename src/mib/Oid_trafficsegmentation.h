// Catalogue tables: per-model traffic segmentation table.
#pragma once

#include "MibModelSet.h"

ZQS_DECLARE_MODEL_SET(TrafficSegmentationTable, 3);
