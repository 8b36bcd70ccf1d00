// Catalogue tables: per-model VLAN tables (1.3.6.1.4.1.746.11.117.m.1.2).
#pragma once

#include "MibModelSet.h"

ZQS_DECLARE_MODEL_SET(VLANPortInfomationTable, 4);
ZQS_DECLARE_MODEL_SET(StaticVLANManagementTable, 3);
ZQS_DECLARE_MODEL_SET(VLANNNIGVRPBPDUAddressSettings, 2);
ZQS_DECLARE_MODEL_SET(VLANManagementPVIDAutoAssignmentSettings, 2);
