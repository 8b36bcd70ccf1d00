// The static row format of the MIB catalogue and the codes every layer shares.
#pragma once

class VqOptionList;

// Item types of a variable. 2..6 and 64..71 equal the ASN.1 tags; the rest are our own.
enum ItemTypeCode : int {
    itBoolean = 1,
    itInteger = 2,
    itBitString = 3,
    itOctetString = 4,
    itNull = 5,
    itObjectId = 6,
    itIpAddress = 64,
    itCounter = 65,
    itGauge = 66,
    itTimeTicks = 67,
    itOpaque = 68,
    itNsapAddress = 69,
    itCounter64 = 70,
    itUInteger = 71,
    itDouble = 72,
    itMacAddress = 73,
    itDateTime = 74,
    itBcDateTime = 75,
    itDisplayString = 76,
    itIpv6Address = 77,
    itBitList = 78,
    itInetAddress = 81,
    // Parts of an octet-string value bound to one control; never in a table row.
    itBool8 = 193,
    itInt8 = 194,
    itUInt8 = 195,
    itBool16 = 196,
    itInt16 = 197,
    itUInt16 = 198,
};

// Access flags: a set of bits. Readable = 0x02, writable = 0x04.
enum AccessFlag : int {
    acNotAccess = 0x01,
    acReadOnly = 0x02,
    acWriteOnly = 0x04,
    acReadWrite = 0x06,
    acDerived = 0x08,
    acHidden = 0x10,
    acInvalid = 0x20, // also the run-time "leave out of the next request" flag
    acImplied = 0x40, // key column whose instance part has implied length
};

// Kinds of a variable list.
enum VarListKind : unsigned char {
    SVT_SV = 0,  // scalars, GET of OID.0
    MVT_SV = 1,  // one row at a known instance
    MVT_FMV = 2, // table walk; bound controls disabled until a row is selected
    MVT_UMV = 3, // table walk
};

// One row of a static MIB table. A table is a constant array ending at the first row whose
// Oid is null. An Oid of blanks (or empty) marks a key column taken from the row instance.
struct MibTableRow {
    const char* Oid = nullptr;
    const char* Caption = nullptr;
    int ItemType = 0;
    int Access = 0;
    const VqOptionList* OptionList = nullptr;
    const char* ReadExpression = nullptr;
    const char* WriteExpression = nullptr;
    const char* ExtraText = nullptr;
    const char* InitialValue = nullptr;
    const char* InitialLastOid = nullptr;
};
