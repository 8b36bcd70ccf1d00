// A table walk is bound by its round trips: one GET-NEXT per row. This program walks a table of
// 1,000 rows and 10 columns of the simulated switch with the request engine (asynchronous,
// replies through the pump, every value turned into its text) and, against the same agent in the
// same run, with a plain net-snmp loop sending the same GET-NEXT PDUs synchronously. It prints
// both wall times, their ratio and the engine's CPU time per row.
//
//   bench/request_walk_bench [ROUNDS]   (default 3; the median round of each walk is reported)
#include "MessageWait.h"
#include "SimAgent.h"
#include "VqSNMPRequest.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 1000;
constexpr const char* kEntry = "1.3.6.1.4.1.746.99.1.1";

struct Column {
    int Number;
    const char* SimType;
    int ItemType;
};
// Every value is turned into text, so the columns cover the common item types.
constexpr Column kColumns[] = {
    {2, "int", itInteger},     {3, "string", itDisplayString}, {4, "hex", itOctetString},
    {5, "counter", itCounter}, {6, "gauge", itGauge},          {7, "timeticks", itTimeTicks},
    {8, "ip", itIpAddress},    {9, "counter64", itCounter64},  {10, "oid", itObjectId},
    {11, "int", itInteger},
};
constexpr int kColumnCount = sizeof kColumns / sizeof kColumns[0];

std::string Scenario() {
    std::string columns, rows;
    for (const Column& c : kColumns)
        columns += (columns.empty() ? "[" : ", [") + std::to_string(c.Number) + ", \"" + c.SimType + "\"]";
    for (int r = 1; r <= kRows; ++r) {
        const std::string n = std::to_string(r);
        rows += (r > 1 ? ", " : "") + std::string("[\"") + n + "\", " + n + ", \"port " + n + "\", \"00AB" +
                (r % 2 ? "CD" : "EF") + "\", " + n + "000, " + n + ", " + n + "00, \"10.0." +
                std::to_string(r / 256) + "." + std::to_string(r % 256) + "\", " + n +
                "000000000, \"1.3.6.1.4.1." + n + "\", -" + n + "]";
    }
    return R"({"tables": [{"entry": ")" + std::string(kEntry) + R"(", "columns": [)" + columns +
           R"(], "rows": [)" + rows + "]}]}";
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct Run {
    double Wall = 0;
    double Cpu = 0;
    int Rows = 0;
};

// The engine: asynchronous, each reply handled by the pump, which sends the next step.
Run EngineWalk(const std::vector<MibTableRow>& table) {
    VqSNMPRequest request;
    request.VarList = VqSNMPVarList(table.data(), MVT_UMV, 1);
    Run run;
    bool finished = false;
    int code = 0;
    VqReplyContinuation step = [&](VqSNMPError& error, VqSNMPVarList&) {
        if (error.Finished) {
            code = error.Code;
            finished = true;
            return;
        }
        ++run.Rows;
        bool sent = false;
        request.ReadAsync(sent, step, false);
        if (!sent)
            finished = true;
    };
    const double wall = WallSeconds(), cpu = CpuSeconds();
    bool sent = false;
    request.ReadAsync(sent, step, true);
    if (!sent || !WaitForMessages([&] { return finished; }, 600000) || code != 0)
        throw std::runtime_error("the engine's walk failed");
    run.Wall = WallSeconds() - wall;
    run.Cpu = CpuSeconds() - cpu;
    return run;
}

// The baseline: the same GET-NEXT PDUs, one blocking net-snmp call each.
Run BaselineWalk(const std::string& peer, const std::vector<std::string>& columns) {
    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.peername = const_cast<char*>(peer.c_str());
    settings.version = SNMP_VERSION_2c;
    std::string community = SimCredentials::kReadCommunity;
    settings.community = reinterpret_cast<u_char*>(community.data());
    settings.community_len = community.size();
    settings.timeout = 1000000;
    settings.retries = 1;
    void* session = snmp_sess_open(&settings);
    if (!session)
        throw std::runtime_error("snmp_sess_open failed");

    std::vector<std::vector<oid>> prefixes, asked;
    for (const std::string& column : columns) {
        const SnmpOid parsed = SnmpOid::Parse(column).value();
        prefixes.emplace_back(parsed.Arcs.begin(), parsed.Arcs.end());
    }
    asked = prefixes;
    Run run;
    const double wall = WallSeconds(), cpu = CpuSeconds();
    for (;;) {
        netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GETNEXT);
        for (const auto& name : asked)
            snmp_add_null_var(pdu, name.data(), name.size());
        netsnmp_pdu* response = nullptr;
        if (snmp_sess_synch_response(session, pdu, &response) != STAT_SUCCESS || !response ||
            response->errstat != SNMP_ERR_NOERROR)
            throw std::runtime_error("the baseline's walk failed");
        int past = 0, k = 0;
        for (netsnmp_variable_list* v = response->variables; v; v = v->next_variable, ++k) {
            const auto& prefix = prefixes[static_cast<size_t>(k)];
            const bool inColumn = v->name_length > prefix.size() &&
                                  std::equal(prefix.begin(), prefix.end(), v->name) &&
                                  v->type != SNMP_ENDOFMIBVIEW;
            past += inColumn ? 0 : 1;
            asked[static_cast<size_t>(k)].assign(v->name, v->name + v->name_length);
        }
        snmp_free_pdu(response);
        if (past == kColumnCount)
            break;
        ++run.Rows;
    }
    run.Wall = WallSeconds() - wall;
    run.Cpu = CpuSeconds() - cpu;
    snmp_sess_close(session);
    return run;
}

Run Median(std::vector<Run> runs) {
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.Wall < b.Wall; });
    return runs[runs.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QCoreApplication app(argc, argv);
    try {
        QTemporaryDir dir;
        CreateGlobalSession(dir.path().toStdString());
        SimAgent agent;
        agent.LoadScenario(Scenario());
        SessionParameters.Device = {agent.Address(), static_cast<uint16_t>(agent.Port())};
        SessionParameters.Security.Version = 1;

        std::vector<std::string> oids;
        std::vector<MibTableRow> table = {{" ", "Index", itInteger, acNotAccess}};
        for (const Column& c : kColumns)
            oids.push_back(std::string(kEntry) + "." + std::to_string(c.Number));
        for (int i = 0; i < kColumnCount; ++i)
            table.push_back(
                {oids[static_cast<size_t>(i)].c_str(), "Column", kColumns[i].ItemType, acReadOnly});
        table.push_back({});

        std::vector<Run> engine, baseline;
        for (int r = 0; r < rounds; ++r) {
            engine.push_back(EngineWalk(table));
            baseline.push_back(BaselineWalk(agent.Peer(), oids));
            if (engine.back().Rows != kRows || baseline.back().Rows != kRows)
                throw std::runtime_error("a walk did not read every row");
        }
        const Run e = Median(engine), b = Median(baseline);
        std::printf("rows %d, columns %d, rounds %d (median)\n", kRows, kColumnCount, rounds);
        std::printf("engine walk    %.3f s wall, %.3f s CPU, %.1f us CPU per row\n", e.Wall, e.Cpu,
                    e.Cpu / e.Rows * 1e6);
        std::printf("net-snmp loop  %.3f s wall, %.3f s CPU, %.1f us CPU per row\n", b.Wall, b.Cpu,
                    b.Cpu / b.Rows * 1e6);
        std::printf("ratio          %.3f (engine / baseline wall time; target 1.15 at most)\n",
                    e.Wall / b.Wall);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "request_walk_bench: %s\n", e.what());
        return 1;
    }
}
