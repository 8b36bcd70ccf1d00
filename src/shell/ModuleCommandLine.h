// Sibling programs of the management suite (MIB, IF-MIB, RMON, bridge and Layer 3 browsers),
// started with the connection values of this program's own command line and a table key such as
// "/TMIB_IFTable": "/T", the program's name, "_" and the table.
#pragma once

#include "CommandLine.h"

#include <cstdint>
#include <string>
#include <vector>

// The program name of a key: from its third character up to the first "_"; "" without a "_".
std::string ModuleProgramName(const std::string& key);

// The sibling's argument list, one element per option: the program name, "/I" with the address,
// then with SNMPv3 (the version text "3" or version byte 3) all eleven SNMPv3 options, each glued
// to its text even when that is empty, else "/R" and "/W" with the communities; the key last.
std::vector<std::string> BuildModuleCommandLine(const CommandLineTexts& texts, uint8_t version,
                                                const std::string& key);

// Starts the sibling program (never through a shell). "" when it was started, else the text that
// says which program could not be started.
std::string StartModule(const CommandLineTexts& texts, uint8_t version, const std::string& key);
