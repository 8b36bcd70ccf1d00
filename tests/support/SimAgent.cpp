#include "SimAgent.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr const char* kDefaultScenario = "{}";

bool ParseVarBind(const std::string& field, SimVarBind& vb) {
    auto bar1 = field.find('|');
    auto bar2 = bar1 == std::string::npos ? bar1 : field.find('|', bar1 + 1);
    if (bar2 == std::string::npos) {
        return false;
    }
    vb = {field.substr(0, bar1), {field.substr(bar1 + 1, bar2 - bar1 - 1), field.substr(bar2 + 1)}};
    return true;
}

const char* OpName(SimOp op) {
    switch (op) {
    case SimOp::Get:
        return "get";
    case SimOp::Next:
        return "next";
    case SimOp::Set:
        return "set";
    case SimOp::Any:
        break;
    }
    return "any";
}

std::string Rule(const std::string& prefix, SimOp op, const std::string& effect) {
    return "{\"prefix\": \"" + prefix + "\", \"op\": \"" + OpName(op) + "\", " + effect + "}";
}

} // namespace

SimValue SimValue::Octets(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return {"4x", hex};
}

std::string SimValue::Bytes() const {
    std::string out;
    for (size_t i = 0; i + 1 < Text.size(); i += 2) {
        out += static_cast<char>(std::stoi(Text.substr(i, 2), nullptr, 16));
    }
    return out;
}

SimAgent::SimAgent(const AgentOptions& options) : AgentProcess(options) {}

SimAgent& SimAgent::Shared() {
    return SharedAgent<SimAgent>();
}

void SimAgent::LoadScenario(const std::string& json) {
    WriteStore(json);
}

void SimAgent::LoadSnmprec(const std::string& text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && text[first] == '{') {
        throw std::invalid_argument("LoadSnmprec: a JSON object is a scenario, see LoadScenario");
    }
    WriteStore(text);
}

void SimAgent::Reset() {
    Rules.clear();
    WriteControl();
    ClearSetLog();
    WriteStore(kDefaultScenario);
}

void SimAgent::WriteStore(const std::string& text) {
    RemoveAgentFile("store.out.snmprec");
    ReplaceAgentFile("store", text);
    Sync("store");
    if (!std::filesystem::exists(Folder() + "/store.out.snmprec")) {
        throw std::runtime_error("simulated agent: the store was not taken up");
    }
}

void SimAgent::WriteControl() {
    std::string json = "{\"rules\": [";
    for (size_t i = 0; i < Rules.size(); ++i) {
        json += (i ? ", " : "") + Rules[i];
    }
    ReplaceAgentFile("control.json", json + "]}\n");
    Sync("control");
}

std::vector<std::pair<std::string, SimValue>> SimAgent::Store() const {
    std::vector<std::pair<std::string, SimValue>> store;
    std::istringstream lines(ReadAgentFile("store.out.snmprec"));
    std::string line;
    SimVarBind vb;
    while (std::getline(lines, line)) {
        if (ParseVarBind(line, vb)) {
            store.emplace_back(vb.Oid, vb.Value);
        }
    }
    return store;
}

std::optional<SimValue> SimAgent::Value(const std::string& oid) const {
    for (auto& [key, value] : Store()) {
        if (key == oid) {
            return value;
        }
    }
    return std::nullopt;
}

std::vector<SimSetPdu> SimAgent::SetLog() const {
    std::vector<SimSetPdu> log;
    std::istringstream lines(ReadAgentFile("setlog.txt"));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        SimSetPdu pdu;
        std::string field;
        fields >> pdu.Status >> pdu.ErrorIndex >> pdu.Version >> pdu.Principal;
        SimVarBind vb;
        while (fields >> field) {
            if (!ParseVarBind(field, vb)) {
                throw std::runtime_error("simulated agent: bad SET log line: " + line);
            }
            pdu.VarBinds.push_back(vb);
        }
        log.push_back(std::move(pdu));
    }
    return log;
}

void SimAgent::ClearSetLog() {
    RemoveAgentFile("setlog.txt");
}

void SimAgent::SetDelay(const std::string& prefix, int ms, SimOp op) {
    Rules.push_back(Rule(prefix, op, "\"delay_ms\": " + std::to_string(ms)));
    WriteControl();
}

void SimAgent::InjectError(const std::string& prefix, const std::string& status, SimOp op) {
    Rules.push_back(Rule(prefix, op, "\"status\": \"" + status + "\""));
    WriteControl();
}

void SimAgent::DropReplies(const std::string& prefix, SimOp op) {
    Rules.push_back(Rule(prefix, op, "\"drop\": true"));
    WriteControl();
}

void SimAgent::ClearInjections() {
    Rules.clear();
    WriteControl();
}
