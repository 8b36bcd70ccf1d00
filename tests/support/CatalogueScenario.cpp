#include "CatalogueScenario.h"

#include "CatalogueOptionLists.h"
#include "MibCatalogue.h"
#include "RowInstances.h"
#include "ValueTexts.h"
#include "VqDateTime.h"
#include "VqOptionList.h"
#include "VqSNMPVarList.h"

#include <cstdint>
#include <exception>
#include <set>
#include <unordered_map>

namespace {

// One value: the text the engine shows for it and its scenario form.
struct Sample {
    std::string Text;
    std::string Type;
    std::string Json;
};

std::string Quoted(const std::string& text) {
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
        }
        json += c;
    }
    return json + "\"";
}

Sample HexSample(const std::string& octets, std::string text) {
    return {std::move(text), "hex", Quoted(OctetsToHex(octets))};
}

// The scenario type of a number of this item type.
const char* NumberType(int itemType) {
    switch (itemType) {
    case itCounter:
        return "counter";
    case itGauge:
    case itUInteger:
        return "gauge";
    case itTimeTicks:
        return "timeticks";
    case itCounter64:
        return "counter64";
    default:
        return "int";
    }
}

bool IsNumberType(int itemType) {
    switch (itemType) {
    case itInteger:
    case itCounter:
    case itGauge:
    case itUInteger:
    case itTimeTicks:
    case itCounter64:
        return true;
    default:
        return false;
    }
}

// Row r's value of an item type without an option list. Every row differs where the type allows
// it, so that the values can make row instances.
Sample PlainSample(int itemType, int r) {
    const int n = r + 1;
    switch (itemType) {
    case itBoolean:
        return {r % 2 ? "false" : "true", "int", r % 2 ? "0" : "1"};
    case itInteger:
    case itCounter:
    case itGauge:
    case itUInteger:
        return {std::to_string(n), NumberType(itemType), std::to_string(n)};
    case itTimeTicks:
        return {TimeTicksToText(100u * n), "timeticks", std::to_string(100 * n)};
    case itCounter64: {
        const uint64_t value = (uint64_t{1} << 32) + n; // beyond 32 bits, as only Counter64 can be
        return {Counter64ToText(value), "counter64", std::to_string(value)};
    }
    case itNull:
        return {std::string(kNullText), "null", "\"\""};
    case itObjectId: {
        // Short, as a route's policy (zeroDotZero) is: the engine reads a key InetAddress that
        // 17 or more arcs follow as an IPv6 address, whatever its length arc says.
        const std::string oid = "0." + std::to_string(n);
        return {oid, "oid", Quoted(oid)};
    }
    case itIpAddress:
    case itNsapAddress: {
        const std::string ip = "127.0.1." + std::to_string(n);
        return {ip, "ip", Quoted(ip)};
    }
    case itMacAddress: {
        const std::string octets{'\x00', '\x11', '\x22', '\x33', '\x44', static_cast<char>(n)};
        return HexSample(octets, OctetsToHex(octets));
    }
    case itIpv6Address: {
        std::string octets(16, '\0');
        octets[0] = '\xFE';
        octets[1] = '\x80';
        octets[15] = static_cast<char>(n);
        return HexSample(octets, OctetsToHex(octets));
    }
    case itOctetString:
    case itBitString:
    case itBitList:
    case itOpaque: {
        const std::string octets{'\x0A', static_cast<char>(n)};
        Sample s = HexSample(octets, OctetsToHex(octets));
        if (itemType == itOpaque) {
            s.Type = "opaque";
        }
        return s;
    }
    case itDisplayString: {
        const std::string text = "zqs " + std::to_string(n);
        return {text, "string", Quoted(text)};
    }
    case itDateTime: {
        const VqDateTime time("2024-5-" + std::to_string(n) + ",12:30:15.0");
        return HexSample(time.Octets(), time.Text());
    }
    case itDouble: {
        const double value = 1.5 + r;
        return HexSample(DoubleToOctets(value), FloatToText(value));
    }
    case itBcDateTime: {
        const double value = TextToDateTime("2024/05/0" + std::to_string(n) + " 12:30:15");
        return HexSample(DoubleToOctets(value), DateTimeToText(value));
    }
    case itInetAddress: {
        const std::string octets{'\x7F', '\x00', '\x01', static_cast<char>(n)};
        return HexSample(octets, "127.0.1." + std::to_string(n));
    }
    default:
        return {};
    }
}

// Row r's value: an option of the list in turn, else the plain value.
Sample SampleOf(const MibTableRow& row, int r) {
    const VqOptionList* list = row.OptionList;
    if (list == &RowStatusList) {
        return {list->ValueToText("1"), "rowstatus", "1"};
    }
    if (list && list->Count() > 0) {
        const OptionSourceRow& option = list->GetRow(r % list->Count());
        const std::string text = option.Text;
        if (list->Kind == olIntegerValues && IsNumberType(row.ItemType)) {
            return {text, NumberType(row.ItemType), std::to_string(option.Value)};
        }
        if (list->Kind != olIntegerValues && option.ValueText) {
            const std::string raw = option.ValueText;
            if (row.ItemType == itDisplayString) {
                return {list->ValueToText(raw), "string", Quoted(raw)};
            }
            if (IsHexTextType(row.ItemType)) {
                return {list->ValueToText(raw), "hex", Quoted(OctetsToHex(HexToOctets(raw)))};
            }
        }
    }
    Sample plain = PlainSample(row.ItemType, r);
    if (list) {
        plain.Text = list->ValueToText(plain.Text);
    }
    return plain;
}

bool IsBlankOid(const char* oid) {
    return std::string_view(oid).find_first_not_of(' ') == std::string_view::npos;
}

std::string AccessOf(const MibTableRow& row) {
    if (row.OptionList == &RowStatusList) {
        return "rowstatus";
    }
    return (row.Access & acWriteOnly) ? "rw" : "ro";
}

bool IsWalk(int kind) {
    return kind == MVT_FMV || kind == MVT_UMV;
}

// The catalogue's name of a table, or its first OID for one the catalogue does not hold.
std::string TableName(const MibTableRow* table) {
    static const std::unordered_map<const MibTableRow*, const char*> names = [] {
        std::unordered_map<const MibTableRow*, const char*> byTable;
        for (const MibTableInfo& info : MibTables()) {
            byTable.emplace(info.Table, info.Name);
        }
        return byTable;
    }();
    const auto it = names.find(table);
    if (it != names.end()) {
        return it->second;
    }
    for (const MibTableRow* row = table; row && row->Oid; ++row) {
        if (!IsBlankOid(row->Oid)) {
            return row->Oid;
        }
    }
    return "(a table without OIDs)";
}

SnmpOid OidOf(const std::string& dotted) {
    return SnmpOid::Parse(dotted).value_or(SnmpOid());
}

} // namespace

bool CatalogueScenario::IsRead(const MibTableRow& row) {
    return !IsBlankOid(row.Oid) && !(row.Access & acInvalid) && (row.Access & acReadOnly);
}

std::string CatalogueScenario::ValueText(const MibTableRow& row, int rowIndex) {
    return SampleOf(row, rowIndex).Text;
}

const CatalogueScenario::Filled& CatalogueScenario::Add(const MibTableRow* table, int kind, int keyCount) {
    if (const Filled* known = Find(table, kind, keyCount)) {
        return *known;
    }
    Filled& filled = Added.emplace_back();
    filled.Table = table;
    filled.Kind = kind;
    filled.KeyCount = keyCount;
    if (!IsWalk(kind)) {
        filled.Rows.push_back({"0", 0, {}});
        for (const MibTableRow* row = table; row->Oid; ++row) {
            if (IsRead(*row)) {
                Put(table, *row, "0", 0, true);
            }
        }
        return filled;
    }
    try {
        FillRows(filled);
    } catch (const std::exception& e) {
        filled.Rows.clear();
        Clashes.push_back({table, TableName(table) + ": its keys cannot be encoded (" + e.what() + ")"});
    }
    return filled;
}

void CatalogueScenario::FillRows(Filled& filled) {
    VqSNMPVarList list(filled.Table, filled.Kind, filled.KeyCount);
    std::set<std::string> seen;
    const int rows = filled.KeyCount > 0 ? RowsPerTable : 1;
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> keys;
        std::string instance;
        for (int k = 0; k < filled.KeyCount; ++k) {
            list.GetVariable(k).ValueText = ValueText(filled.Table[k], r);
            keys.push_back(list.GetVariable(k).ValueText);
            instance += (k ? "." : "") + EncodeIndex(list, k);
        }
        if (filled.KeyCount == 0) {
            instance = "0";
        }
        // Keys of few values (a truth value) run out of rows.
        if (!seen.insert(instance).second) {
            continue;
        }
        filled.Rows.push_back({instance, r, std::move(keys)});
        for (const MibTableRow* row = filled.Table; row->Oid; ++row) {
            if (IsRead(*row)) {
                Put(filled.Table, *row, instance, r, false);
            }
        }
    }
}

const CatalogueScenario::Filled* CatalogueScenario::Find(const MibTableRow* table, int kind,
                                                         int keyCount) const {
    for (const Filled& filled : Added) {
        if (filled.Table == table && filled.Kind == kind && filled.KeyCount == keyCount) {
            return &filled;
        }
    }
    return nullptr;
}

void CatalogueScenario::Put(const MibTableRow* table, const MibTableRow& row, const std::string& instance,
                            int rowIndex, bool scalar) {
    const std::string oid = std::string(row.Oid) + "." + instance;
    const Sample sample = SampleOf(row, rowIndex);
    if (sample.Type.empty()) {
        Clashes.push_back({table, TableName(table) + ": " + row.Oid + " has item type " +
                                      std::to_string(row.ItemType) + ", which no value fits"});
        return;
    }
    const SnmpOid key = OidOf(oid);
    if (key.Empty()) {
        Clashes.push_back({table, TableName(table) + ": " + oid + " is no OID"});
        return;
    }
    const auto [it, inserted] = Cells.try_emplace(
        key, Cell{row.Oid, instance, sample.Type, sample.Json, AccessOf(row), table, scalar});
    if (!inserted && it->second.Type != sample.Type) {
        const std::string text = oid + ": " + it->second.Type + " in " + TableName(it->second.Owner) + ", " +
                                 sample.Type + " in " + TableName(table);
        Clashes.push_back({it->second.Owner, text});
        Clashes.push_back({table, text});
    }
}

std::vector<CatalogueScenario::Conflict> CatalogueScenario::Conflicts() const {
    std::vector<Conflict> conflicts = Clashes;
    for (const Filled& filled : Added) {
        if (!IsWalk(filled.Kind)) {
            continue;
        }
        std::set<std::string> own;
        for (const Row& row : filled.Rows) {
            own.insert(row.Instance);
        }
        for (const MibTableRow* row = filled.Table; row->Oid; ++row) {
            if (!IsRead(*row)) {
                continue;
            }
            const SnmpOid column = OidOf(row->Oid);
            for (auto it = Cells.upper_bound(column); it != Cells.end() && it->first.StartsWith(column);
                 ++it) {
                if (it->second.Column != row->Oid || !own.contains(it->second.Instance)) {
                    conflicts.push_back({filled.Table, TableName(filled.Table) + ": the walk of " + row->Oid +
                                                           " meets " + it->first.ToString() + " of " +
                                                           TableName(it->second.Owner)});
                    break;
                }
            }
        }
    }
    return conflicts;
}

std::string CatalogueScenario::Objects() const {
    std::string json;
    for (const auto& [oid, cell] : Cells) {
        if (cell.Scalar) {
            json += (json.empty() ? "" : ",\n") + std::string("[") + Quoted(oid.ToString()) + ", " +
                    Quoted(cell.Type) + ", " + cell.Json + ", " + Quoted(cell.Access) + "]";
        }
    }
    return "[" + json + "]";
}

std::string CatalogueScenario::Tables() const {
    struct Entry {
        std::map<uint32_t, const Cell*> Columns;
        std::map<SnmpOid, std::map<uint32_t, const Cell*>> Rows;
    };
    std::map<SnmpOid, Entry> entries;
    for (const auto& [oid, cell] : Cells) {
        if (cell.Scalar) {
            continue;
        }
        SnmpOid entryOid = OidOf(cell.Column);
        const uint32_t column = entryOid.Arcs.back();
        entryOid.Arcs.pop_back();
        Entry& entry = entries[entryOid];
        entry.Columns.try_emplace(column, &cell);
        entry.Rows[OidOf(cell.Instance)][column] = &cell;
    }
    std::string json;
    for (const auto& [oid, entry] : entries) {
        std::string columns;
        for (const auto& [number, cell] : entry.Columns) {
            columns += (columns.empty() ? "" : ", ") + std::string("[") + std::to_string(number) + ", " +
                       Quoted(cell->Type) + ", " + Quoted(cell->Access) + "]";
        }
        std::string rows;
        for (const auto& [instance, cells] : entry.Rows) {
            std::string row = Quoted(instance.ToString());
            for (const auto& [number, cell] : entry.Columns) {
                const auto it = cells.find(number);
                row += ", " + (it == cells.end() ? std::string("null") : it->second->Json);
            }
            rows += (rows.empty() ? "" : ", ") + std::string("[") + row + "]";
        }
        json += (json.empty() ? "" : ",\n") + std::string("{\"entry\": ") + Quoted(oid.ToString()) +
                ", \"columns\": [" + columns + "], \"rows\": [" + rows + "]}";
    }
    return "[" + json + "]";
}

std::string CatalogueScenario::Scenario(const std::string& head) const {
    return "{" + head + (head.empty() ? "" : ", ") + "\"objects\": " + Objects() +
           ",\n\"tables\": " + Tables() + "}";
}
