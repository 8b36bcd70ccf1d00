#include "SnmpTypes.h"

#include <algorithm>
#include <charconv>

std::optional<SnmpOid> SnmpOid::Parse(std::string_view dotted) {
    if (!dotted.empty() && dotted.front() == '.')
        dotted.remove_prefix(1);
    if (dotted.empty())
        return std::nullopt;
    // A walk parses an OID per column and row: one pass, one allocation.
    SnmpOid oid;
    oid.Arcs.reserve(static_cast<size_t>(std::count(dotted.begin(), dotted.end(), '.')) + 1);
    const char* p = dotted.data();
    const char* const end = p + dotted.size();
    while (true) {
        uint32_t value = 0;
        auto [next, ec] = std::from_chars(p, end, value);
        if (ec != std::errc() || next == p)
            return std::nullopt;
        oid.Arcs.push_back(value);
        if (next == end)
            break;
        if (*next != '.' || next + 1 == end)
            return std::nullopt;
        p = next + 1;
    }
    return oid;
}

void SnmpOid::AppendTo(std::string& text) const {
    // Written in place: a walk turns an OID into text per column and row.
    const size_t start = text.size();
    text.resize(start + Arcs.size() * 11);
    char* out = text.data() + start;
    char* const end = text.data() + text.size();
    for (size_t i = 0; i < Arcs.size(); ++i) {
        if (i)
            *out++ = '.';
        out = std::to_chars(out, end, Arcs[i]).ptr;
    }
    text.resize(static_cast<size_t>(out - text.data()));
}

std::string SnmpOid::ToString() const {
    std::string text;
    AppendTo(text);
    return text;
}

bool SnmpOid::StartsWith(const SnmpOid& prefix) const {
    return prefix.Arcs.size() <= Arcs.size() &&
           std::equal(prefix.Arcs.begin(), prefix.Arcs.end(), Arcs.begin());
}
