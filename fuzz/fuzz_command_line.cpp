#include "CommandLine.h"
#include "StrToInt.h"
#include "VqSNMPSession.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The record as the session leaves it before the command line is read.
void SetDefaults(VqSessionParameters& p) {
    p.Device = {"127.0.0.1", 161};
    p.Scope = {"", ""};
    p.Security = {0, "tamber", "quindle", 1, 1, "", "", "", 1, 1};
}

// A text member copied on every take shows what the record holds, unless its option never came.
bool Shows(const std::string& text, const std::string& held) {
    return text.empty() || text == held;
}

bool Shows(const std::string& text, long held) {
    return text.empty() || text == std::to_string(held);
}

} // namespace

// Input: the argument tokens, one a line. The parse either ends normally or raises EConvertError
// for a number option that is no number, and does the same twice over; a text member taken on every
// match shows what the record holds, and /I sets the device address and the record's address alike.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments;
    for (size_t start = 0; start <= input.size();) {
        size_t newline = input.find('\n', start);
        if (newline == std::string_view::npos)
            newline = input.size();
        arguments.emplace_back(input.substr(start, newline - start));
        start = newline + 1;
    }
    if (size == 0)
        arguments.clear();

    auto parse = [&](CommandLineTexts& texts, std::string& address, VqSessionParameters& p) {
        SetDefaults(p);
        try {
            return ParseCommandLine(arguments, texts, address, p) ? 1 : 0;
        } catch (const EConvertError&) {
            return -1;
        }
    };
    CommandLineTexts texts;
    std::string address;
    VqSessionParameters p;
    const int result = parse(texts, address, p);
    if (arguments.empty() && (result != 0 || texts != CommandLineTexts() || !address.empty()))
        __builtin_trap();

    CommandLineTexts again;
    std::string againAddress;
    VqSessionParameters q;
    if (parse(again, againAddress, q) != result || again != texts || againAddress != address)
        __builtin_trap();
    if (result != 1)
        return 0;

    if (address != texts.AddressText)
        __builtin_trap();
    if (!(p.Device.Address == texts.AddressText ||
          (texts.AddressText.empty() && p.Device.Address == "127.0.0.1")))
        __builtin_trap();
    if (!Shows(texts.ReadCommunityText, p.Security.ReadCommunity) ||
        !Shows(texts.WriteCommunityText, p.Security.WriteCommunity) ||
        !Shows(texts.VersionText, p.Security.Version) || !Shows(texts.PortText, p.Device.Port) ||
        !Shows(texts.ContextEngineIdText, p.Scope.ContextEngineId) ||
        !Shows(texts.SecurityModelText, p.Security.SecurityModel) ||
        !Shows(texts.SecurityNameText, p.Security.SecurityName))
        __builtin_trap();
    // The SNMPv3 options are taken only once the version is 3.
    const bool v3Taken = !texts.PortText.empty() || !texts.ContextNameText.empty() ||
                         !texts.SecurityModelText.empty() || !texts.SecurityNameText.empty() ||
                         !texts.AuthPasswordText.empty() || !texts.PrivPasswordText.empty();
    if (v3Taken && texts.VersionText.empty())
        __builtin_trap();
    return 0;
}
