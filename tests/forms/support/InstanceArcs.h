// Row instances of the simulated switch's tables as the tests write them: an address or MAC of
// hexadecimal digits as one sub-identifier per octet, a text key as its length and then its
// characters.
#pragma once

#include <string>

// "FE80...01" as "254.128. ... .1": each pair of hexadecimal digits one sub-identifier.
inline std::string HexArcs(const std::string& hex) {
    std::string arcs;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        arcs += (arcs.empty() ? "" : ".") + std::to_string(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return arcs;
}

// "vlan2" as "5.118.108.97.110.50".
inline std::string TextArcs(const std::string& text) {
    std::string arcs = std::to_string(text.size());
    for (char c : text) {
        arcs += "." + std::to_string(static_cast<unsigned char>(c));
    }
    return arcs;
}
