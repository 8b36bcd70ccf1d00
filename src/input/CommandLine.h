// The command line: the agent's address and the SNMP credentials, glued to two-character options
// ("/I10.1.1.1", "/v3", "/nadmin"). It fills the connection record that every request copies and
// keeps the values as typed, which the command lines of sibling programs pass on.
#pragma once

#include <string>
#include <vector>

struct VqSessionParameters;

// The values as typed; empty when the option is absent, and for the values an option does not copy
// (an empty context name or password, a security level or protocol of 0).
struct CommandLineTexts {
    std::string AddressText;
    std::string ReadCommunityText;
    std::string WriteCommunityText;
    std::string VersionText;
    std::string PortText;
    std::string ContextNameText;
    std::string ContextEngineIdText;
    std::string SecurityModelText;
    std::string SecurityLevelText;
    std::string SecurityNameText;
    std::string AuthPasswordText;
    std::string PrivPasswordText;
    std::string AuthProtocolText;
    std::string PrivProtocolText;

    bool operator==(const CommandLineTexts&) const = default;
};

// The program's arguments without the program name (ParamStr 1 to ParamCount); main() fills them.
std::vector<std::string>& ProgramArguments();

// Parses the arguments into the record and the texts; /I also sets deviceAddress. False when there
// are no arguments (nothing is changed then). A number option whose value is not a decimal number
// raises EConvertError.
//
// A token that starts with an option is that option (ignored when it is an SNMPv3 option and the
// version is not 3 yet). Any other token is searched for /I, /R, /W and /v in that order, then, with
// version 3, for the SNMPv3 options; the first one found takes the rest of the token after it.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLineTexts& texts,
                      std::string& deviceAddress, VqSessionParameters& parameters);
