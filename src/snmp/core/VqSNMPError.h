// The result record of a request step or write, and the translation of SNMP library statuses
// into the program's codes and texts.
#pragma once

#include <cstdint>
#include <string>

struct VqSNMPError {
    int Code = 0; // 0 success, else a negative program code
    int ErrorIndex = 0;
    std::string Message;
    std::string AgentAddress;
    uint16_t AgentPort = 0;
    // Only a walk step that produced a row and after which the walk goes on is unfinished; a
    // default record is finished so that it can never keep a walk going by mistake.
    bool Finished = true;
    uint64_t Serial = 0;
};

// Library status (the adapter's numbering: 0 success, 1..18 a reply's error status, 1401..1414
// user-based security, -1402..-1418 SNMPv3 message processing, -1..-23 the session, and the
// adapter's own kSnmpV3UserBusy, -531) to the program's code and its current text; every other
// status is -528 "Unknown error code!".
void MapSnmpStatus(int status, int& code, std::string& message);

// `fileName` in `directory`: the name alone for an empty directory, one "/" between the two.
std::string JoinPath(const std::string& directory, const std::string& fileName);

// `base` multiplied `exponent` times onto 1; wraps modulo 2^32 instead of overflowing.
int IntPower(int base, unsigned exponent);
