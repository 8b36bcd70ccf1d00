#include "CommandLine.h"

#include "StrToInt.h"
#include "VqSNMPSession.h"

#include <cstdint>
#include <string_view>

namespace {

enum class Accepted { Always, V3Only };
// When the text member takes the value: always, only a value that is not empty, only a number
// that is not 0.
enum class Copy { Always, IfNotEmpty, IfNotZero };

using P = VqSessionParameters;

struct OptionRule {
    const char* Option;
    Accepted When;
    Copy CopyRule;
    std::string CommandLineTexts::*Text;
    // Stores the value into the record; returns the text the text member shows for it.
    std::string (*Store)(P& p, const std::string& value);
};

std::string Number(int n) {
    return std::to_string(n);
}

// In the order in which a token is tested.
constexpr OptionRule kOptions[] = {
    {"/I", Accepted::Always, Copy::Always, &CommandLineTexts::AddressText,
     [](P& p, const std::string& v) { return p.Device.Address = v; }},
    {"/R", Accepted::Always, Copy::Always, &CommandLineTexts::ReadCommunityText,
     [](P& p, const std::string& v) { return p.Security.ReadCommunity = v; }},
    {"/W", Accepted::Always, Copy::Always, &CommandLineTexts::WriteCommunityText,
     [](P& p, const std::string& v) { return p.Security.WriteCommunity = v; }},
    {"/v", Accepted::Always, Copy::Always, &CommandLineTexts::VersionText,
     [](P& p, const std::string& v) {
         return Number(p.Security.Version = static_cast<uint8_t>(StrToInt(v)));
     }},
    {"/t", Accepted::V3Only, Copy::Always, &CommandLineTexts::PortText,
     [](P& p, const std::string& v) { return Number(p.Device.Port = static_cast<uint16_t>(StrToInt(v))); }},
    {"/c", Accepted::V3Only, Copy::IfNotEmpty, &CommandLineTexts::ContextNameText,
     [](P& p, const std::string& v) { return p.Scope.ContextName = v; }},
    {"/d", Accepted::V3Only, Copy::Always, &CommandLineTexts::ContextEngineIdText,
     [](P& p, const std::string& v) { return p.Scope.ContextEngineId = v; }},
    {"/m", Accepted::V3Only, Copy::Always, &CommandLineTexts::SecurityModelText,
     [](P& p, const std::string& v) { return Number(p.Security.SecurityModel = StrToInt(v)); }},
    {"/l", Accepted::V3Only, Copy::IfNotZero, &CommandLineTexts::SecurityLevelText,
     [](P& p, const std::string& v) { return Number(p.Security.SecurityLevel = StrToInt(v)); }},
    {"/n", Accepted::V3Only, Copy::Always, &CommandLineTexts::SecurityNameText,
     [](P& p, const std::string& v) { return p.Security.SecurityName = v; }},
    {"/A", Accepted::V3Only, Copy::IfNotEmpty, &CommandLineTexts::AuthPasswordText,
     [](P& p, const std::string& v) { return p.Security.AuthPassword = v; }},
    {"/P", Accepted::V3Only, Copy::IfNotEmpty, &CommandLineTexts::PrivPasswordText,
     [](P& p, const std::string& v) { return p.Security.PrivPassword = v; }},
    {"/a", Accepted::V3Only, Copy::IfNotZero, &CommandLineTexts::AuthProtocolText,
     [](P& p, const std::string& v) { return Number(p.Security.AuthProtocol = StrToInt(v)); }},
    {"/p", Accepted::V3Only, Copy::IfNotZero, &CommandLineTexts::PrivProtocolText,
     [](P& p, const std::string& v) { return Number(p.Security.PrivProtocol = StrToInt(v)); }},
};

bool IsAccepted(const OptionRule& rule, const CommandLineTexts& texts, const P& p) {
    return rule.When == Accepted::Always || texts.VersionText == "3" || p.Security.Version == 3;
}

// The option that takes the token and where its two characters stand; null when none does.
const OptionRule* FindOption(std::string_view token, const CommandLineTexts& texts, const P& p, size_t& at) {
    for (const OptionRule& rule : kOptions) {
        if (token.starts_with(rule.Option)) {
            at = 0;
            return IsAccepted(rule, texts, p) ? &rule : nullptr;
        }
    }
    // The management suite has always been allowed to put characters before an option, so a
    // token that starts with none is searched; the values of the options above are never searched,
    // so a password holding "/R" stays a password.
    for (const OptionRule& rule : kOptions) {
        if (!IsAccepted(rule, texts, p)) {
            continue;
        }
        at = token.find(rule.Option);
        if (at != std::string_view::npos) {
            return &rule;
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::string>& ProgramArguments() {
    static std::vector<std::string> arguments;
    return arguments;
}

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLineTexts& texts,
                      std::string& deviceAddress, VqSessionParameters& parameters) {
    if (arguments.empty()) {
        return false;
    }
    for (const std::string& token : arguments) {
        size_t at = 0;
        if (const OptionRule* rule = FindOption(token, texts, parameters, at)) {
            std::string shown = rule->Store(parameters, token.substr(at + 2));
            bool copy = rule->CopyRule == Copy::Always ||
                        (rule->CopyRule == Copy::IfNotEmpty && !shown.empty()) ||
                        (rule->CopyRule == Copy::IfNotZero && shown != "0");
            if (copy) {
                texts.*(rule->Text) = shown;
            }
            if (rule->Text == &CommandLineTexts::AddressText) {
                deviceAddress = shown;
            }
        }
    }
    return true;
}
