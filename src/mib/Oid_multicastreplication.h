// Catalogue tables: IP multicast VLAN replication (1.3.6.1.4.1.746.12.71).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow IPMulticastVLANReplicationGlobalSettings[4];
extern const MibTableRow IPMulticastVLANReplicationInformationTable[7];
extern const MibTableRow ReplicationTable[4];
extern const MibTableRow IPMulticastVLANReplicationSourceTable[8];
extern const MibTableRow DestinationTable[5];
