// The connection parameters every request copies, the one SNMP session of the program, and the
// pump that delivers asynchronous replies on the GUI thread.
#pragma once

#include "SnmpAdapter.h"
#include "VqSNMPError.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QTimer;
class QSocketNotifier;
class VqSNMPRequest;
class VqSNMPVarList;

struct VqSNMPDevice {
    std::string Address; // dotted IPv4 address or host name
    uint16_t Port = 0;
};

struct VqSNMPScope {
    std::string ContextEngineId;
    std::string ContextName;
};

struct VqSNMPSecurity {
    uint8_t Version = 0; // 0 v1, 1 v2c, 3 v3
    std::string ReadCommunity;
    std::string WriteCommunity;
    int SecurityModel = 0; // SNMPv3 numbers as SnmpV3Number gives them
    int SecurityLevel = 0;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int AuthProtocol = 0;
    int PrivProtocol = 0;
};

// The pump. Replies are delivered on the GUI thread between events, never re-entrantly: not
// while a reply handler runs (even one inside a nested event loop). A readable session socket
// pumps at once; the timer wakes only for what no socket announces (the library's next
// retransmission or time-out), so with nothing outstanding a started pump costs nothing.
class _SnmpEventProcessor {
public:
    _SnmpEventProcessor();
    ~_SnmpEventProcessor();
    _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
    _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

    void Start(); // needs the application object
    void Stop();
    bool IsActive() const;       // started: what is sent gets delivered
    bool IsTimerRunning() const; // armed for a retransmission or time-out
    uint64_t TickCount() const { return Ticks; }
    void TimerTick();

    // Gets every exception a reply handler let escape (nothing may cross into Qt). Until the
    // widget layer installs its reporter, the text goes to the Qt message handler.
    std::function<void(std::exception_ptr)> ExceptionHandler;

private:
    void Pump();
    void WatchSockets();
    void Reschedule();

    std::unique_ptr<QTimer> Timer;
    std::map<int, QSocketNotifier*> Notifiers;
    bool Started = false;
    bool Pumping = false;
    bool Silenced = false;    // a notifier was switched off while pumping
    bool SocketsDirty = true; // the notifiers must be matched to the session's sockets
    uint64_t Ticks = 0;
};

struct VqSessionParameters {
    _SnmpEventProcessor EventProcessor;
    VqSNMPDevice Device;
    VqSNMPScope Scope;
    VqSNMPSecurity Security;
    int Timeout = 0; // units of 10 ms
};

extern VqSessionParameters SessionParameters;

// The program's one SNMP session; null until CreateGlobalSession, never destroyed.
extern SnmpAdapter* SnmpSession;

constexpr const char* kEngineIdentity = "VqSNMP_PP_Application";
constexpr const char* kBootCounterFile = "VqSNMP_PP_BootCounter";

// Creates the session, counts this start in the boot-counter file of `directory` ("" the
// current directory), sets the defaults of SessionParameters and starts the pump. Raises
// VqException -506, -507 or -508.
void CreateGlobalSession(const std::string& directory);

// The engine boots value this process sends (0 before CreateGlobalSession).
unsigned EngineBoots();

// What a request hands over with every asynchronous send.
using VqReplyContinuation = std::function<void(VqSNMPError&, VqSNMPVarList&)>;

struct ReplyRecord {
    using HandlerFunction = void (*)(VqSNMPRequest* request, int reason, SnmpReply& reply,
                                     const VqReplyContinuation& continuation, bool decodeReply);
    HandlerFunction Handler = nullptr;
    VqSNMPRequest* Request = nullptr;
    uint8_t DecodeReply = 0; // 1 reads, 0 writes
    VqReplyContinuation Continuation;
};

// Calls the record's handler with the reply; the record is freed after it returns (or throws).
void SnmpReplyTrampoline(int reason, SnmpReply& reply, ReplyRecord& record);

// Sends through SnmpSession with the trampoline as the callback. 0: sent, and the record is
// the library call's until its one callback has run; else nothing was sent and the record is
// freed at once.
int SendWithRecord(SnmpOperation operation, const SnmpTarget& target,
                   const std::vector<SnmpVarBind>& varBinds, std::unique_ptr<ReplyRecord> record,
                   uint64_t* requestId = nullptr);
