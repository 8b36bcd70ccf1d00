#include "VqSNMPError.h"

#include "SnmpAdapter.h"
#include "VqMessageTable.h"

namespace {
constexpr int kUserBusyCode = -531; // the framework's own: an SNMPv3 request not sent
} // namespace

void MapSnmpStatus(int status, int& code, std::string& message) {
    if (status == 0 || status == 1400 || status == -1401)
        code = 0; // success of the session, of USM and of SNMPv3 message processing
    else if (status >= 1 && status <= 18)
        code = -100 - status;
    else if (status >= 1401 && status <= 1414)
        code = 1100 - status;
    else if (status >= -1418 && status <= -1402)
        code = status + 1201;
    else if (status >= -23 && status <= -1)
        code = status - 400;
    else if (status == kSnmpV3UserBusy)
        code = kUserBusyCode;
    else
        code = -528;
    message = MessageOfCode(code);
}

std::string JoinPath(const std::string& directory, const std::string& fileName) {
    if (directory.empty())
        return fileName;
    if (directory.back() == '/')
        return directory + fileName;
    return directory + '/' + fileName;
}

int IntPower(int base, unsigned exponent) {
    // Unsigned arithmetic: the same bits as the original's 32-bit multiply, without the
    // undefined behaviour of a signed overflow. Squaring gives the same product modulo 2^32.
    unsigned result = 1;
    unsigned factor = static_cast<unsigned>(base);
    for (; exponent; exponent >>= 1, factor *= factor)
        if (exponent & 1)
            result *= factor;
    return static_cast<int>(result);
}
