#include "HostileAgent.h"

#include <sstream>

namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

HostileAgent::HostileAgent(AgentOptions options) : AgentProcess(WithKind(std::move(options), "hostile")) {}

void HostileAgent::SetScenario(const std::string& scenario, const std::string& optionsJson) {
    Scenario = scenario;
    Options = optionsJson;
    WriteControl();
}

void HostileAgent::SetStore(const std::string& snmprec) {
    Store = snmprec;
    WriteControl();
}

void HostileAgent::Reset() {
    Scenario = "normal";
    Options = "{}";
    Store.clear();
    WriteControl();
    ClearRequests();
}

std::vector<std::string> HostileAgent::Requests() const {
    std::vector<std::string> requests;
    std::istringstream lines(ReadAgentFile("requests.txt"));
    for (std::string line; std::getline(lines, line);) {
        requests.push_back(line);
    }
    return requests;
}

void HostileAgent::ClearRequests() {
    RemoveAgentFile("requests.txt");
}

void HostileAgent::WriteControl() {
    std::string json = "{\"scenario\": " + JsonString(Scenario) + ", \"options\": " + Options;
    if (!Store.empty()) {
        json += ", \"store\": " + JsonString(Store);
    }
    ReplaceAgentFile("control.json", json + "}\n");
    Sync("scenario");
}
