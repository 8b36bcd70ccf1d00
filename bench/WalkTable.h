// The table the walk benchmark reads: 1,000 rows and 10 columns under one entry, the same for the
// simulated switch (as a scenario) and for the fast agent (as values).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kWalkRows = 1000;
constexpr const char* kWalkEntry = "1.3.6.1.4.1.746.99.1.1";

// One value: its ASN tag and its number, bytes or arcs.
struct WalkCellValue {
    uint8_t Type = 0;
    uint64_t Number = 0; // integers are stored as their two's complement
    std::string Bytes;
    std::vector<uint32_t> Arcs;
};

struct WalkCell {
    std::vector<uint32_t> Name; // entry.column.row
    WalkCellValue Value;
};

struct WalkColumn {
    int Number;
    const char* SimType; // the simulated switch's word for its type
    uint8_t Tag;         // the ASN tag
};

// Every value is turned into text, so the columns cover the common item types.
inline const std::vector<WalkColumn>& WalkColumns() {
    static const std::vector<WalkColumn> columns = {
        {2, "int", 0x02},   {3, "string", 0x04},    {4, "hex", 0x04}, {5, "counter", 0x41},
        {6, "gauge", 0x42}, {7, "timeticks", 0x43}, {8, "ip", 0x40},  {9, "counter64", 0x46},
        {10, "oid", 0x06},  {11, "int", 0x02},
    };
    return columns;
}

// The value of a column (its place in WalkColumns) in row r (from 1), as the agents serve it.
inline WalkCellValue WalkValue(size_t column, int r) {
    const auto n = static_cast<uint64_t>(r);
    WalkCellValue v;
    v.Type = WalkColumns()[column].Tag;
    switch (column) {
    case 0:
        v.Number = n;
        break;
    case 1:
        v.Bytes = "port " + std::to_string(r);
        break;
    case 2:
        v.Bytes = std::string("\x00\xAB", 2) + (r % 2 ? '\xCD' : '\xEF');
        break;
    case 3:
        v.Number = n * 1000;
        break;
    case 4:
        v.Number = n;
        break;
    case 5:
        v.Number = n * 100;
        break;
    case 6:
        v.Bytes = std::string{'\x0A', '\x00', static_cast<char>(r / 256), static_cast<char>(r % 256)};
        break;
    case 7:
        v.Number = n * 1000000000u;
        break;
    case 8:
        v.Arcs = {1, 3, 6, 1, 4, 1, static_cast<uint32_t>(r)};
        break;
    default:
        v.Number = static_cast<uint64_t>(-static_cast<int64_t>(r));
        break;
    }
    return v;
}

// Every cell of the table, in no particular order.
inline std::vector<WalkCell> WalkCells() {
    const std::vector<uint32_t> entry = {1, 3, 6, 1, 4, 1, 746, 99, 1, 1};
    std::vector<WalkCell> rows;
    for (size_t c = 0; c < WalkColumns().size(); ++c)
        for (int r = 1; r <= kWalkRows; ++r) {
            WalkCell row{entry, WalkValue(c, r)};
            row.Name.push_back(static_cast<uint32_t>(WalkColumns()[c].Number));
            row.Name.push_back(static_cast<uint32_t>(r));
            rows.push_back(std::move(row));
        }
    return rows;
}

// The same table as a scenario of the simulated switch.
inline std::string WalkScenario() {
    std::string columns, rows;
    for (const WalkColumn& c : WalkColumns())
        columns += (columns.empty() ? "[" : ", [") + std::to_string(c.Number) + ", \"" + c.SimType + "\"]";
    for (int r = 1; r <= kWalkRows; ++r) {
        const std::string n = std::to_string(r);
        rows += (r > 1 ? ", " : "") + std::string("[\"") + n + "\", " + n + ", \"port " + n + "\", \"00AB" +
                (r % 2 ? "CD" : "EF") + "\", " + n + "000, " + n + ", " + n + "00, \"10.0." +
                std::to_string(r / 256) + "." + std::to_string(r % 256) + "\", " + n +
                "000000000, \"1.3.6.1.4.1." + n + "\", -" + n + "]";
    }
    return R"({"tables": [{"entry": ")" + std::string(kWalkEntry) + R"(", "columns": [)" + columns +
           R"(], "rows": [)" + rows + "]}]}";
}
