// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_snmpusm.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow Statistics[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", itCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not In Time Window Packets", itCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", itCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", itCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", itCounter, acReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", itCounter, acReadOnly},
    {},
};

constexpr MibTableRow UserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", itOctetString, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", itDisplayString, acNotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", itDisplayString, acReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", itObjectId, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", itObjectId, acReadWrite, &NoneMD5SHAList},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", itObjectId, acReadWrite, &NoneDESList},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", itDisplayString, acReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", itInteger, acReadWrite, &StorageTypeList},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", itInteger, acReadWrite, &RowStatusList},
    {},
};

constexpr MibTableRow IPInformationSettings[] = {
    {"1.3.6.1.2.1.4.1", "IP Forwarding", itInteger, acReadWrite, &ForwardingNotForwardingList},
    {"1.3.6.1.2.1.4.2", "IP Default TTL", itInteger, acReadWrite},
    {"1.3.6.1.2.1.4.3", "IP In Receives", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.4", "IP In Header Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.5", "IP In Address Errors", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.6", "IP Forward Datagrams", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.7", "IP In Unknown Protocols", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.8", "IP In Discards", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.9", "IP In Delivers", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.10", "IP Out Requests", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.11", "IP Out Discards", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.12", "IP Out No Routes", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.13", "IP Reasm Timeout", itInteger, acReadOnly},
    {"1.3.6.1.2.1.4.14", "IP Reasm Reqds", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.15", "IP Reasm OKs", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.16", "IP Reasm Fails", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.17", "IP Frag OKs", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.18", "IP Frag Fails", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.19", "IP Frag Creates", itCounter, acReadOnly},
    {"1.3.6.1.2.1.4.23", "IP Routing Discards", itCounter, acReadOnly},
    {},
};
