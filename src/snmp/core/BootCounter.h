// The SNMPv3 engine-boots counter file: one line per engine ID, the ID in hexadecimal, a blank
// and the decimal boot count; lines that begin with "#" are comments. Rewriting keeps every line
// but our engine's.
#pragma once

#include <string>
#include <string_view>

enum BootCounterResult : int {
    kBootCounterFound = 0,
    kBootCounterNoLine = -1,  // the file has no line for the engine
    kBootCounterNoFile = -2,  // the file cannot be opened (for saving: cannot be written)
    kBootCounterBadLine = -3, // the engine's line holds no decimal count, or one too large
};

// The largest snmpEngineBoots value; an engine that reaches it stays there.
constexpr unsigned kMaxEngineBoots = 2147483647u;

// `boots` is set to 0 first, then to the engine's count when its line is found and sound.
int ReadBootCounter(const std::string& file, const std::string& engineId, unsigned& boots);
// Writes the file with the engine's line added or replaced. 0 or kBootCounterNoFile.
int SaveBootCounter(const std::string& file, const std::string& engineId, unsigned boots);

// The two halves of the above without the file system.
int ParseBootCounter(std::string_view content, const std::string& engineId, unsigned& boots);
std::string UpdateBootCounter(std::string_view content, const std::string& engineId, unsigned boots);
