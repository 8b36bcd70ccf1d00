#include "VqSNMPVarList.h"

#include "VqException.h"

namespace {

std::optional<std::string> CopyText(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

constexpr OptionSourceRow kVarListKindRows[] = {
    {SVT_SV, nullptr, "SVT_SV"},   {MVT_SV, nullptr, "MVT_SV"}, {MVT_FMV, nullptr, "MVT_FMV"},
    {MVT_UMV, nullptr, "MVT_UMV"}, {0, nullptr, nullptr},
};

constexpr OptionSourceRow kItemTypeRows[] = {
    {itInteger, nullptr, "integer"},
    {itBitString, nullptr, "bitstr"},
    {itOctetString, nullptr, "octetstr"},
    {itNull, nullptr, "null"},
    {itObjectId, nullptr, "objectid"},
    {itIpAddress, nullptr, "ipaddress"},
    {itCounter, nullptr, "counter"},
    {itGauge, nullptr, "guage"},
    {itTimeTicks, nullptr, "timeticks"},
    {itOpaque, nullptr, "opaque"},
    {itCounter64, nullptr, "counter64"},
    {itBoolean, nullptr, "boolean"},
    {itNsapAddress, nullptr, "nsapaddr"},
    {itUInteger, nullptr, "uinteger"},
    {itDouble, nullptr, "double"},
    {itMacAddress, nullptr, "macaddress"},
    {itDateTime, nullptr, "datetime"},
    {itBcDateTime, nullptr, "bcdatetime"},
    {itDisplayString, nullptr, "displaystr"},
    {itBool8, nullptr, "bool8"},
    {itInt8, nullptr, "int8"},
    {itUInt8, nullptr, "uint8"},
    {itBool16, nullptr, "bool16"},
    {itInt16, nullptr, "int16"},
    {itUInt16, nullptr, "uint16"},
    {itIpv6Address, nullptr, "ipv6address"},
    {itBitList, nullptr, "bitlist"},
    {itInetAddress, nullptr, "inetaddress"},
    {0, nullptr, nullptr},
};

constexpr OptionSourceRow kAccessRows[] = {
    {acNotAccess, nullptr, "notaccess"}, {acReadOnly, nullptr, "readonly"},
    {acWriteOnly, nullptr, "writeonly"}, {acReadWrite, nullptr, "readwrite"},
    {acDerived, nullptr, "derived"},     {acHidden, nullptr, "hidden"},
    {acInvalid, nullptr, "invalid"},     {0, nullptr, nullptr},
};

} // namespace

constinit const VqOptionList VarListKindList("VarListKindList", kVarListKindRows);
constinit const VqOptionList ItemTypeList("ItemTypeList", kItemTypeRows);
constinit const VqOptionList AccessList("AccessList", kAccessRows);

VqSNMPVarList::VqSNMPVarList(const MibTableRow* table, int kind, int keyCount)
    : KeyCount(keyCount), Kind(static_cast<unsigned char>(kind)) {
    AddRows(table);
}

VqSNMPVarList::VqSNMPVarList(const VqSNMPVarList& other) {
    Assign(other);
}

VqSNMPVarList& VqSNMPVarList::Assign(const VqSNMPVarList& other) {
    if (this != &other) {
        Kind = other.Kind;
        KeyCount = other.KeyCount;
        DisplayText = other.DisplayText;
        Variables = other.Variables;
    }
    return *this;
}

void VqSNMPVarList::RaiseIndexOutOfRange() {
    RaiseVqError(-12);
}

int VqSNMPVarList::CountRows(const MibTableRow* table) {
    int n = 0;
    if (table)
        while (table[n].Oid)
            ++n;
    return n;
}

void VqSNMPVarList::AddRows(const MibTableRow* table) {
    const int n = CountRows(table);
    Variables.reserve(Variables.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const MibTableRow& row = table[i];
        SnmpVariable v;
        v.Oid = row.Oid;
        v.Caption = row.Caption ? row.Caption : "";
        v.ItemType = row.ItemType;
        v.Access = row.Access;
        v.OptionList = row.OptionList;
        v.ReadExpression = CopyText(row.ReadExpression);
        v.WriteExpression = CopyText(row.WriteExpression);
        v.ExtraText = CopyText(row.ExtraText);
        v.ValueText = row.InitialValue ? row.InitialValue : "";
        v.LastOid = row.InitialLastOid ? row.InitialLastOid : "";
        Variables.push_back(std::move(v));
    }
}

void VqSNMPVarList::AppendInstance(std::string_view instance) {
    for (SnmpVariable& v : Variables)
        (v.Oid += '.') += instance;
}

bool VqSNMPVarList::IsSettable(int index) const {
    const int access = GetVariable(index).Access;
    if (access & acInvalid)
        return false;
    // A table list writes its key columns too: their values name the row.
    return (access & acWriteOnly) || ((Kind == MVT_FMV || Kind == MVT_UMV) && index < KeyCount);
}

bool VqSNMPVarList::IsImpliedIndex(int index) const {
    return (GetVariable(index).Access & acImplied) != 0;
}

bool VqSNMPVarList::IsVisible(int index) const {
    const int access = GetVariable(index).Access;
    return !(access & (acInvalid | acHidden)) && (access & (acNotAccess | acReadOnly | acDerived));
}

bool VqSNMPVarList::IsHiddenColumn(int index) const {
    const int access = GetVariable(index).Access;
    return access == acWriteOnly || (access & (acInvalid | acHidden));
}

int VqSNMPVarList::VisibleCount() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        n += IsVisible(i);
    return n;
}

int VqSNMPVarList::HiddenCount() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i)
        n += IsHiddenColumn(i);
    return n;
}
