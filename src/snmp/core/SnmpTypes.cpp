#include "SnmpTypes.h"

#include <charconv>

std::optional<SnmpOid> SnmpOid::Parse(std::string_view dotted) {
    if (!dotted.empty() && dotted.front() == '.')
        dotted.remove_prefix(1);
    if (dotted.empty())
        return std::nullopt;
    SnmpOid oid;
    while (true) {
        size_t dot = dotted.find('.');
        std::string_view arc = dotted.substr(0, dot);
        if (arc.empty())
            return std::nullopt;
        uint32_t value = 0;
        auto [end, ec] = std::from_chars(arc.data(), arc.data() + arc.size(), value);
        if (ec != std::errc() || end != arc.data() + arc.size())
            return std::nullopt;
        oid.Arcs.push_back(value);
        if (dot == std::string_view::npos)
            break;
        dotted.remove_prefix(dot + 1);
    }
    return oid;
}

std::string SnmpOid::ToString() const {
    std::string text;
    for (size_t i = 0; i < Arcs.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(Arcs[i]);
    }
    return text;
}

bool SnmpOid::StartsWith(const SnmpOid& prefix) const {
    return prefix.Arcs.size() <= Arcs.size() &&
           std::equal(prefix.Arcs.begin(), prefix.Arcs.end(), Arcs.begin());
}
