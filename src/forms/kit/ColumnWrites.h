// Writes of one row that carry chosen columns only: the other columns get the skip flag (0x20)
// for the one SET and their own access words back right after it, on every path out, exceptions
// included, so a column is never left out of a later read or write. Each SET collects the
// selected row and the bound controls again and is addressed by the index columns, which are
// never flagged. `refresh` is Set's first argument (the framework's re-read of a table).
#pragma once

#include <vector>

class VqSNMPRequest2Controls;

// One SET without the given columns (index columns among them are not left out).
bool SetSkipping(VqSNMPRequest2Controls& request, const std::vector<int>& skipped, bool refresh = false);
// One SET of the given non-index columns alone.
bool SetOnly(VqSNMPRequest2Controls& request, const std::vector<int>& written, bool refresh = false);
// One SET per column, in the order given, each carrying that column alone. With an asynchronous
// request the PDUs leave back to back, each built from the controls as they stand at its call.
void SetEachAlone(VqSNMPRequest2Controls& request, const std::vector<int>& columns, bool refresh = false);

// What one write carries, declared where the write is made: the row without some columns, some
// columns alone in one PDU, or some columns one PDU each in the given order.
class WriteCarry {
public:
    static WriteCarry RowWithout(std::vector<int> skipped) { return {Kind::RowWithout, std::move(skipped)}; }
    static WriteCarry Only(std::vector<int> columns) { return {Kind::Only, std::move(columns)}; }
    static WriteCarry EachAlone(std::vector<int> columns) { return {Kind::EachAlone, std::move(columns)}; }

    // Leaves a further column out of a row write (no effect on the other kinds' lists).
    WriteCarry& Without(int column);
    // The SETs; `refresh` is Set's first argument.
    void Send(VqSNMPRequest2Controls& request, bool refresh) const;
    const std::vector<int>& Columns() const { return List; }

private:
    enum class Kind { RowWithout, Only, EachAlone };
    WriteCarry(Kind kind, std::vector<int> columns) : How(kind), List(std::move(columns)) {}
    Kind How;
    std::vector<int> List;
};
