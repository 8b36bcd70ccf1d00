// The six-unit mixed stack of the panel screenshots and the polling benchmark: 24RA, 48DA, 24ZO,
// 48RO, 24DA and 24ZO-DC, each unit's LED status holding every kind of state (links up, down,
// blinking, faulty; combo ports on copper, on SFP and without media).
#pragma once

#include "CommandLine.h"
#include "FrontPanelForms.h"
#include "MainUnit.h"
#include "SimAgent.h"
#include "TApplication.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

struct StackUnit {
    const char* Model;
    int Ports;
    int FirstCombo, LastCombo; // combo or uplink ports
};

inline constexpr std::array<StackUnit, 6> kSixUnits = {{
    {"24RA", 24, 21, 24},
    {"48DA", 48, 45, 48},
    {"24ZO", 24, 1, 8},
    {"48RO", 48, 45, 48},
    {"24DA", 24, 21, 24},
    {"24ZO-DC", 24, 1, 8},
}};

// The LED octets of unit `number` (1 to 6) as a scenario's JSON object.
inline std::string SixUnitLedOctets(int number) {
    const StackUnit& unit = kSixUnits.at(static_cast<size_t>(number - 1));
    // Link states: green (3, 4, blinking), grey (0, down), orange (1, 2), black (5).
    constexpr int kStates[] = {3, 4, 0, 3, 1, 4, 0, 2, 3, 5, 4, 0};
    // Combo ports: copper green, SFP green, copper orange, no media.
    constexpr int kCombos[] = {0x23, 0x03, 0x62, 0x01};
    std::vector<std::pair<int, int>> octets = {{1, 1},  {2, number % 2 ? 4 : 0},
                                               {3, 2},  {4, number == 1 ? 1 : 0},
                                               {5, 4},  {6, 2},
                                               {7, 3},  {8, 2},
                                               {10, 0}, {11, 1}};
    for (int p = 1; p <= unit.Ports; ++p) {
        const bool combo = p >= unit.FirstCombo && p <= unit.LastCombo;
        octets.push_back({31 + p, combo ? kCombos[(p + number) % 4] : kStates[(p + number) % 12]});
    }
    std::string json = "{";
    for (const auto& [index, value] : octets)
        json += (json.size() > 1 ? ", \"" : "\"") + std::to_string(index) + "\": " + std::to_string(value);
    return json + "}";
}

// The stack of the first `count` units, with the LED mode ("normal") of its PoE units and the
// Port LED State.
inline std::string SixUnitStackScenario(int count = 6) {
    std::string units;
    for (int n = 1; n <= count; ++n)
        units += std::string(n > 1 ? ", " : "") + R"({"unit": )" + std::to_string(n) + R"(, "model": ")" +
                 kSixUnits[static_cast<size_t>(n - 1)].Model + R"(", "led": )" + SixUnitLedOctets(n) + "}";
    return R"({"model": "24RA", "stack_mode": "enabled", "units": [)" + units +
           R"(], "objects": [["1.3.6.1.4.1.746.12.24.1.11.1.5.4", "int", 1, "rw"],
               ["1.3.6.1.4.1.746.12.24.1.11.1.5.5", "int", 1, "rw"],
               ["1.3.6.1.4.1.746.12.11.1.13.1.0", "int", 1, "rw"]]})";
}

// The simulated switch with the stack (its first `count` units), and the program's main window
// against it (SNMPv3 on the agent's port), created as the program creates it but not shown yet:
// showing it runs the first activation, which builds the panels.
inline std::unique_ptr<SimAgent> OpenSixUnitMainWindow(int count = 6) {
    AgentOptions options;
    options.Scenario = SixUnitStackScenario(count);
    auto agent = std::make_unique<SimAgent>(options);
    ProgramArguments() = {"/I" + agent->Address(), "/v3", "/t" + std::to_string(agent->Port()), "/m3", "/l1",
                          "/nzqs-noauth"};
    Application->SetTitle("ZQS-4410-Series");
    RegisterFrontPanelForms();
    Application->CreateForm(MainForm);
    return agent;
}
