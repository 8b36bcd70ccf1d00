#include "ModuleCommandLine.h"

#include "Launcher.h"

std::string ModuleProgramName(const std::string& key) {
    size_t underscore = key.find('_');
    if (underscore == std::string::npos || underscore < 2) {
        return "";
    }
    return key.substr(2, underscore - 2);
}

std::vector<std::string> BuildModuleCommandLine(const CommandLineTexts& texts, uint8_t version,
                                                const std::string& key) {
    std::vector<std::string> argv{ModuleProgramName(key), "/I" + texts.AddressText};
    if (texts.VersionText == "3" || version == 3) {
        argv.insert(argv.end(),
                    {"/t" + texts.PortText, "/v" + texts.VersionText, "/d" + texts.ContextEngineIdText,
                     "/m" + texts.SecurityModelText, "/n" + texts.SecurityNameText,
                     "/l" + texts.SecurityLevelText, "/a" + texts.AuthProtocolText,
                     "/p" + texts.PrivProtocolText, "/A" + texts.AuthPasswordText,
                     "/P" + texts.PrivPasswordText, "/c" + texts.ContextNameText});
    } else {
        argv.insert(argv.end(), {"/R" + texts.ReadCommunityText, "/W" + texts.WriteCommunityText});
    }
    argv.push_back(key);
    return argv;
}

std::string StartModule(const CommandLineTexts& texts, uint8_t version, const std::string& key) {
    std::vector<std::string> argv = BuildModuleCommandLine(texts, version, key);
    if (argv[0].empty()) {
        return "The key \"" + key + "\" names no program to start.";
    }
    if (WinExec(argv, SW_SHOW) <= 31) {
        return "Cannot start the program \"" + argv[0] + "\".";
    }
    return "";
}
