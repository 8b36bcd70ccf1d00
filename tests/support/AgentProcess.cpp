#include "AgentProcess.h"

#include "SimTypes.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStartSeconds = 60;  // the launcher's own bound on a start
constexpr int kStopSeconds = 5;    // SIGTERM, then SIGKILL
constexpr int kOwnerFdInAgent = 3; // where the agent finds the owner pipe

std::runtime_error Failure(const std::string& what) {
    return std::runtime_error("simulated agent: " + what);
}

// The launcher exits once the agent answers, which orphans the agent; as a subreaper this
// process inherits it and can reap it when it stops, whatever PID 1 does with orphans.
void BecomeSubreaper() {
    prctl(PR_SET_CHILD_SUBREAPER, 1);
}

// A descriptor above the standard ones, so that dup2 onto 0-3 in the child always copies it.
int HighFd(int fd) {
    int high = fcntl(fd, F_DUPFD_CLOEXEC, 10);
    close(fd);
    if (high < 0) {
        throw Failure(std::string("fcntl: ") + std::strerror(errno));
    }
    return high;
}

std::string TempScenarioFile(const std::string& json) {
    std::string path = (std::filesystem::temp_directory_path() / "zqs-scenario-XXXXXX").string();
    int fd = mkstemp(path.data());
    if (fd < 0) {
        throw Failure(std::string("mkstemp: ") + std::strerror(errno));
    }
    close(fd);
    std::ofstream(path) << json;
    return path;
}

struct Launch {
    int Status = -1;
    std::string Output;
};

// Runs the launcher with the owner pipe's read end as descriptor 3 and collects its output.
Launch RunLauncher(const std::vector<std::string>& args, int ownerRead) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        throw Failure(std::string("pipe: ") + std::strerror(errno));
    }
    int readEnd = HighFd(out[0]);
    int writeEnd = HighFd(out[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, 1);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, 2);
    posix_spawn_file_actions_adddup2(&actions, ownerRead, kOwnerFdInAgent);
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(writeEnd);
    if (rc != 0) {
        close(readEnd);
        throw Failure("cannot run " + args[0] + ": " + std::strerror(rc));
    }
    Launch launch;
    auto deadline = Clock::now() + std::chrono::seconds(kStartSeconds + 15);
    char buffer[4096];
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{readEnd, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, static_cast<int>(left)) == 0) {
            kill(pid, SIGKILL);
            launch.Output += "\n(launcher killed after " + std::to_string(kStartSeconds + 15) + " s)";
            break;
        }
        ssize_t n = read(readEnd, buffer, sizeof buffer);
        if (n > 0) {
            launch.Output.append(buffer, static_cast<size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    close(readEnd);
    while (waitpid(pid, &launch.Status, 0) < 0 && errno == EINTR) {
    }
    return launch;
}

bool Gone(pid_t pid) {
    int status = 0;
    pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) {
        return true;
    }
    if (r < 0 && errno == ECHILD) {
        // Not our child (started before this process became a subreaper): ask /proc.
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        auto close = text.rfind(')');
        return text.empty() || (close != std::string::npos && text.compare(close + 2, 1, "Z") == 0);
    }
    return false;
}

bool WaitGone(pid_t pid, std::chrono::milliseconds bound) {
    auto deadline = Clock::now() + bound;
    while (!Gone(pid)) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string Tlv(unsigned char tag, const std::string& body) {
    std::string out(1, static_cast<char>(tag));
    if (body.size() < 0x80) {
        out += static_cast<char>(body.size());
    } else {
        out += static_cast<char>(0x82);
        out += static_cast<char>(body.size() >> 8);
        out += static_cast<char>(body.size() & 0xFF);
    }
    return out + body;
}

std::string BerInteger(int32_t value) {
    std::string bytes;
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes += static_cast<char>((static_cast<uint32_t>(value) >> shift) & 0xFF);
    }
    return Tlv(0x02, bytes);
}

std::string BerOid(const std::string& dotted) {
    std::vector<uint32_t> arcs;
    std::istringstream in(dotted);
    for (std::string arc; std::getline(in, arc, '.');) {
        arcs.push_back(static_cast<uint32_t>(std::stoul(arc)));
    }
    arcs.resize(std::max<size_t>(arcs.size(), 2));
    std::string body;
    std::vector<uint32_t> encoded = {arcs[0] * 40 + arcs[1]};
    encoded.insert(encoded.end(), arcs.begin() + 2, arcs.end());
    for (uint32_t arc : encoded) {
        std::string chunk(1, static_cast<char>(arc & 0x7F));
        for (arc >>= 7; arc != 0; arc >>= 7) {
            chunk.insert(chunk.begin(), static_cast<char>(0x80 | (arc & 0x7F)));
        }
        body += chunk;
    }
    return Tlv(0x06, body);
}

} // namespace

std::string SnmpV2cGetPacket(const std::string& community, const std::string& oid, int32_t requestId) {
    std::string varbind = Tlv(0x30, BerOid(oid) + Tlv(0x05, ""));
    std::string pdu = Tlv(0xA0, BerInteger(requestId) + BerInteger(0) + BerInteger(0) + Tlv(0x30, varbind));
    return Tlv(0x30, BerInteger(1) + Tlv(0x04, community) + pdu);
}

std::string SimDirectory() {
    if (const char* dir = std::getenv("ZQS_SIM_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    return ZQS_SIM_DIR;
}

AgentProcess::AgentProcess(const AgentOptions& options) {
    BecomeSubreaper();
    int owner[2];
    if (pipe2(owner, O_CLOEXEC) != 0) {
        throw Failure(std::string("pipe: ") + std::strerror(errno));
    }
    int ownerRead = HighFd(owner[0]);
    OwnerPipe = owner[1];
    std::vector<std::string> args = {"/usr/bin/python3",
                                     SimDirectory() + "/zqs_sim.py",
                                     "start",
                                     "--kind",
                                     options.Kind,
                                     "--address",
                                     options.Address,
                                     "--port",
                                     std::to_string(options.Port),
                                     "--owner-fd",
                                     std::to_string(kOwnerFdInAgent),
                                     "--timeout",
                                     std::to_string(kStartSeconds)};
    std::string scenarioFile;
    if (!options.Scenario.empty()) {
        scenarioFile = TempScenarioFile(options.Scenario);
        args.insert(args.end(), {"--scenario", scenarioFile});
    }
    Launch launch;
    try {
        launch = RunLauncher(args, ownerRead);
    } catch (...) {
        close(ownerRead);
        close(OwnerPipe);
        throw;
    }
    close(ownerRead);
    if (!scenarioFile.empty()) {
        std::filesystem::remove(scenarioFile);
    }
    std::istringstream lines(launch.Output);
    std::string line, last;
    while (std::getline(lines, line)) {
        if (!line.empty()) {
            last = line;
        }
    }
    std::istringstream fields(last);
    if (!WIFEXITED(launch.Status) || WEXITSTATUS(launch.Status) != 0 ||
        !(fields >> AddressText >> PortNumber >> ProcessId >> InstanceFolder)) {
        close(OwnerPipe);
        throw Failure("start of " + options.Kind + " failed: " + launch.Output);
    }
}

AgentProcess::~AgentProcess() {
    Stop();
}

std::string AgentProcess::Peer() const {
    return AddressText + ":" + std::to_string(PortNumber);
}

bool AgentProcess::Stop() {
    if (ProcessId <= 0) {
        return true;
    }
    close(OwnerPipe);
    OwnerPipe = -1;
    bool gone = false;
    for (auto [signal, bound] : {std::pair{SIGTERM, kStopSeconds * 1000}, std::pair{SIGKILL, 2000}}) {
        kill(ProcessId, signal);
        if (WaitGone(ProcessId, std::chrono::milliseconds(bound))) {
            gone = true;
            break;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(InstanceFolder, ignored);
    ProcessId = -1;
    return gone;
}

bool AgentProcess::Answers(int timeoutMs) const {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(PortNumber));
    inet_pton(AF_INET, AddressText.c_str(), &to.sin_addr);
    std::mt19937 random(std::random_device{}());
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        sockaddr_in local{};
        socklen_t size = sizeof local;
        bool answered = false;
        // While nothing holds the port, the kernel may give it to this very socket, which would
        // then read its own request as the answer.
        if (connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 &&
            getsockname(fd, reinterpret_cast<sockaddr*>(&local), &size) == 0 &&
            local.sin_port != to.sin_port) {
            std::string packet =
                SnmpV2cGetPacket(SimCredentials::kReadCommunity, "0.0", static_cast<int32_t>(random() >> 1));
            send(fd, packet.data(), packet.size(), 0);
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 200) > 0) {
                char reply[2048];
                ssize_t n = recv(fd, reply, sizeof reply, 0);
                answered = n > 0 && static_cast<unsigned char>(reply[0]) == 0x30 &&
                           std::string(reply, static_cast<size_t>(n)) != packet;
            }
        }
        close(fd);
        if (answered) {
            return true;
        }
        // Nothing listens yet (ICMP port unreachable) or the reply was lost: pace the resends.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

std::string AgentProcess::ReadAgentFile(const std::string& name) const {
    std::ifstream in(InstanceFolder + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void AgentProcess::ReplaceAgentFile(const std::string& name, const std::string& text) {
    std::string path = InstanceFolder + "/" + name;
    {
        std::ofstream out(path + ".new", std::ios::trunc);
        out << text;
        if (!out.flush()) {
            throw Failure("cannot write " + path + ".new");
        }
    }
    std::filesystem::rename(path + ".new", path);
}

void AgentProcess::RemoveAgentFile(const std::string& name) {
    std::filesystem::remove(InstanceFolder + "/" + name);
}

std::string AgentProcess::TakeErrors() {
    std::string errors = ReadAgentFile("errors.txt");
    RemoveAgentFile("errors.txt");
    return errors;
}

void AgentProcess::Sync(const std::string& what) {
    constexpr int kSyncMs = 10000;
    if (!Answers(kSyncMs)) {
        throw Failure("no answer after changing its " + what);
    }
    if (std::string errors = TakeErrors(); !errors.empty()) {
        throw Failure("reports, after changing its " + what + ": " + errors);
    }
}
