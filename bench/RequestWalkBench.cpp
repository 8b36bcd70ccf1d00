// A table walk is bound by its round trips: one GET-NEXT per row. This program walks a table of
// 1,000 rows and 10 columns with the request engine (asynchronous, replies through the pump,
// every value turned into its text) and, against the same agent in the same run, with a plain
// net-snmp loop sending the same GET-NEXT PDUs synchronously. It does so against two agents: the
// fast agent of bench/ (tens of microseconds per reply, so the client's own cost shows) and the
// simulated switch (milliseconds per reply, as a real switch). It prints the wall times, their
// ratio and each walk's CPU time per row.
//
//   bench/request_walk_bench [ROUNDS] [fast|sim|both]   (default 5 both; each walk's median
//                                                         wall and CPU times are reported)
#include "MessageWait.h"
#include "SimAgent.h"
#include "VqSNMPRequest.h"
#include "WalkTable.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRows = kWalkRows;
constexpr int kColumnCount = 10;

int ItemTypeOf(const WalkColumn& column) {
    switch (column.Tag) {
    case 0x02:
        return itInteger;
    case 0x04:
        return std::strcmp(column.SimType, "string") == 0 ? itDisplayString : itOctetString;
    case 0x41:
        return itCounter;
    case 0x42:
        return itGauge;
    case 0x43:
        return itTimeTicks;
    case 0x40:
        return itIpAddress;
    case 0x46:
        return itCounter64;
    default:
        return itObjectId;
    }
}

// The fast agent, our child for the run: stopped by its process id, and ending by itself when
// this process is gone (its standard input is a pipe only we hold).
class FastAgent {
public:
    FastAgent() {
        int input[2], output[2];
        if (pipe(input) != 0 || pipe(output) != 0)
            throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], 0);
        posix_spawn_file_actions_adddup2(&actions, output[1], 1);
        posix_spawn_file_actions_addclose(&actions, input[1]);
        posix_spawn_file_actions_addclose(&actions, output[0]);
        char program[] = ZQS_FAST_AGENT;
        char* argv[] = {program, nullptr};
        const int rc = posix_spawn(&Pid, program, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(input[0]);
        close(output[1]);
        Input = input[1];
        char line[32] = {};
        const ssize_t got = rc == 0 ? read(output[0], line, sizeof line - 1) : 0;
        close(output[0]);
        Port = got > 0 ? std::atoi(line) : 0;
        if (Port <= 0) {
            Stop();
            throw std::runtime_error("the fast agent did not start");
        }
    }
    ~FastAgent() { Stop(); }
    FastAgent(const FastAgent&) = delete;
    FastAgent& operator=(const FastAgent&) = delete;
    int Port = 0;

private:
    void Stop() {
        if (Input >= 0)
            close(Input);
        Input = -1;
        if (Pid > 0) {
            kill(Pid, SIGTERM);
            waitpid(Pid, nullptr, 0);
        }
        Pid = -1;
    }
    pid_t Pid = -1;
    int Input = -1;
};

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

// The engine: asynchronous, each reply handled by the pump, which sends the next step. Both walks
// stay functions of their own, so that a profile (valgrind --tool=callgrind, which counts
// instructions whatever the machine's load) can name each one's share.
[[gnu::noinline]] Run EngineWalk(const std::vector<MibTableRow>& table) {
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

// The baseline: the same GET-NEXT PDUs, one blocking net-snmp call each. It looks at each
// returned OID only and drops the values; with `withTexts` it also keeps each value's text as
// the library writes it (snprint_value), as a plain program that shows the table would, for
// comparison with the engine, which turns every value into its text.
[[gnu::noinline]] Run BaselineWalk(const std::string& peer, const std::vector<std::string>& columns,
                                   bool withTexts) {
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
    std::vector<std::string> texts(columns.size());
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
            if (withTexts && inColumn) {
                char text[256];
                if (snprint_value(text, sizeof text, v->name, v->name_length, v) < 0)
                    text[0] = '\0';
                texts[static_cast<size_t>(k)] = text;
            }
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

// The median round of a walk for each figure on its own: its wall time and its CPU time need not
// come from the same round (a round the machine slowed has a long wall time and often a short
// CPU time, or the reverse).
Run Median(const std::vector<Run>& runs) {
    auto middle = [&](double Run::*figure) {
        std::vector<double> values;
        for (const Run& run : runs)
            values.push_back(run.*figure);
        std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2),
                         values.end());
        return values[values.size() / 2];
    };
    Run median;
    median.Wall = middle(&Run::Wall);
    median.Cpu = middle(&Run::Cpu);
    median.Rows = runs.front().Rows;
    return median;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string which = argc > 2 ? argv[2] : "both";
    QCoreApplication app(argc, argv);
    try {
        QTemporaryDir dir;
        CreateGlobalSession(dir.path().toStdString());
        std::vector<std::string> oids;
        std::vector<MibTableRow> table = {{" ", "Index", itInteger, acNotAccess}};
        for (const WalkColumn& c : WalkColumns())
            oids.push_back(std::string(kWalkEntry) + "." + std::to_string(c.Number));
        for (size_t i = 0; i < WalkColumns().size(); ++i)
            table.push_back({oids[i].c_str(), "Column", ItemTypeOf(WalkColumns()[i]), acReadOnly});
        table.push_back({});

        auto measure = [&](const char* name, const std::string& address, int port) {
            SessionParameters.Device = {address, static_cast<uint16_t>(port)};
            SessionParameters.Security.Version = 1;
            const std::string peer = address + ":" + std::to_string(port);
            std::vector<Run> engine, baseline, withTexts;
            for (int r = 0; r < rounds; ++r) {
                engine.push_back(EngineWalk(table));
                baseline.push_back(BaselineWalk(peer, oids, false));
                withTexts.push_back(BaselineWalk(peer, oids, true));
                if (engine.back().Rows != kRows || baseline.back().Rows != kRows ||
                    withTexts.back().Rows != kRows)
                    throw std::runtime_error("a walk did not read every row");
            }
            const Run e = Median(engine), b = Median(baseline), t = Median(withTexts);
            std::printf("%s: rows %d, columns %d, rounds %d (median)\n", name, kRows, kColumnCount, rounds);
            std::printf("  engine walk    %.3f s wall, %.3f s CPU, %.1f us CPU per row\n", e.Wall, e.Cpu,
                        e.Cpu / e.Rows * 1e6);
            std::printf("  net-snmp loop  %.3f s wall, %.3f s CPU, %.1f us CPU per row\n", b.Wall, b.Cpu,
                        b.Cpu / b.Rows * 1e6);
            std::printf("  wall ratio     %.3f (engine / loop; target 1.1 at most)\n", e.Wall / b.Wall);
            std::printf("  CPU ratio      %.3f (engine / loop, per row)\n", e.Cpu / b.Cpu);
            std::printf(
                "  loop with the library's value texts  %.3f s wall, %.1f us CPU per row; engine / it: "
                "wall %.3f, CPU %.3f\n",
                t.Wall, t.Cpu / t.Rows * 1e6, e.Wall / t.Wall, e.Cpu / t.Cpu);
            std::fflush(stdout);
        };
        if (which != "sim") {
            FastAgent agent;
            measure("fast agent", "127.0.0.1", agent.Port);
        }
        if (which != "fast") {
            SimAgent agent;
            agent.LoadScenario(WalkScenario());
            measure("simulated switch", agent.Address(), agent.Port());
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "request_walk_bench: %s\n", e.what());
        return 1;
    }
}
