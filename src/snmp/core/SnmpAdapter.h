// Our one door to the SNMP library. It gives the framework blocking and asynchronous GET,
// GET-NEXT and SET with our own OID and value types, and library statuses in the numbering
// that MapSnmpStatus translates. Nothing of the library shows in this header.
#pragma once

#include "SnmpTypes.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Library statuses the adapter reports besides 0 (success) and a reply's error status 1..18.
enum SnmpLibStatus : int {
    kSnmpOk = 0,
    kSnmpLastErrorStatus = 18,    // a reply's error status is 1..18
    kSnmpUnknownErrorStatus = 19, // a reply's error status outside 1..18 ("Unknown error code!")
    kSnmpGeneralError = -1,
    kSnmpResourceUnavailable = -2,
    kSnmpInternalError = -3,
    kSnmpTimeout = -5,
    kSnmpSessionClosed = -8, // the session closed with the request still in flight
    kSnmpClassInvalid = -10,
    kSnmpInvalidPdu = -11,
    kSnmpInvalidTarget = -12,
    kSnmpNotSupportedOnTarget = -16,
    kSnmpInvalidOid = -17,
    kSnmpInvalidAddress = -18,
    kSnmpTransportUnsupported = -20,
    kSnmpTransportFailed = -22,
    kSnmpV3UnsupportedSecurityModel = -1402,
    kSnmpV3InvalidMessage = -1405,
    kSnmpV3UnknownPduHandlers = -1415,
    kSnmpV3UnknownContext = -1417,
    kSnmpV3Report = -1418, // a report of a kind no other status names
    // Ours, not the library's: not sent, since requests of the same SNMPv3 user under other keys
    // (passwords, protocols or level) were still in flight for the whole of its time-out.
    kSnmpV3UserBusy = -1531,
    kUsmError = 1401,
    kUsmUnsupportedSecurityLevel = 1403,
    kUsmUnknownSecurityName = 1404,
    kUsmEncryptionError = 1405,
    kUsmDecryptionError = 1406,
    kUsmAuthenticationError = 1407,
    kUsmAuthenticationFailure = 1408,
    kUsmParseError = 1409,
    kUsmUnknownEngineId = 1410,
    kUsmNotInTimeWindow = 1411,
    kUsmUnsupportedAuthProtocol = 1412,
    kUsmUnsupportedPrivProtocol = 1413,
};

// SNMPv3 numbers as the connection parameters carry them.
enum SnmpV3Number : int {
    kSecurityModelUsm = 3,
    kSecurityLevelNoAuthNoPriv = 1,
    kSecurityLevelAuthNoPriv = 2,
    kSecurityLevelAuthPriv = 3,
    kAuthProtocolNone = 1,
    kAuthProtocolMd5 = 2,
    kAuthProtocolSha = 3,
    kPrivProtocolNone = 1,
    kPrivProtocolDes = 2,
    kPrivProtocolAes128 = 19,
    kPrivProtocolAes192 = 20,
    kPrivProtocolAes256 = 21,
};

// Everything one request is sent with: the agent, the version and its credentials, the PDU's
// SNMPv3 scope and level, the time-out and retries.
struct SnmpTarget {
    std::string Address; // dotted IPv4 address or host name
    uint16_t Port = 161;
    int Version = 0;   // 0 v1, 1 v2c, 3 v3
    int Timeout = 100; // units of 10 ms, per try
    int Retries = 1;
    std::string ReadCommunity;  // GET and GET-NEXT (v1, v2c)
    std::string WriteCommunity; // SET (v1, v2c)
    int SecurityModel = kSecurityModelUsm;
    int SecurityLevel = kSecurityLevelNoAuthNoPriv;
    std::string SecurityName;
    int AuthProtocol = kAuthProtocolNone;
    std::string AuthPassword;
    int PrivProtocol = kPrivProtocolNone;
    std::string PrivPassword;
    std::string ContextEngineId; // sent as the bytes of the text; empty: the agent's engine
    std::string ContextName;
};

enum class SnmpOperation { Get, GetNext, Set };

struct SnmpReply {
    int ErrorIndex = 0;
    std::vector<SnmpVarBind> VarBinds; // the reply's bindings, in the order of the request
    std::string AgentAddress;          // the address the request went to (dotted)
    uint16_t AgentPort = 0;
};

// One asynchronous result: status (0, an error status 1..18, or a library status) and reply.
using SnmpReplyCallback = std::function<void(int status, SnmpReply& reply)>;

class SnmpAdapter {
public:
    // Sets the library up once per process: no configuration files, no persistent state, no
    // MIB files. `status` is 0 when the adapter is usable.
    explicit SnmpAdapter(int& status);
    ~SnmpAdapter(); // Close()

    SnmpAdapter(const SnmpAdapter&) = delete;
    SnmpAdapter& operator=(const SnmpAdapter&) = delete;

    // Our SNMPv3 engine: its ID (the bytes of the text) and boot count.
    void InitMessageProcessing(const std::string& engineId, unsigned boots);

    // The reply a response PDU carries, read from its encoding (the PDU's tag onwards) as every
    // received reply is read: its error status, or kSnmpInvalidPdu when the library does not
    // parse it. Lets the fuzz harness of the reply decoding reach the library's reading.
    static int DecodeResponsePdu(std::string_view encoded, SnmpReply& reply);

    // Whether the address text is a dotted IPv4 address or a name that resolves to one.
    static bool IsValidAddress(const std::string& address);
    // Whether it is a dotted IPv4 address (four plain decimal parts), valid without a lookup.
    static bool IsDottedAddress(const std::string& address);

    // Blocking request. Returns the status; `reply` holds the reply's bindings on success and
    // on an error status. Never delivers an asynchronous reply (it uses sockets of its own).
    int Request(SnmpOperation operation, const SnmpTarget& target, const std::vector<SnmpVarBind>& varBinds,
                SnmpReply& reply);

    // Asynchronous request. 0: sent, and exactly one call of `callback` follows from
    // ProcessPendingEvents (reply, time-out -5) or Close (-8), unless Cancel drops it first.
    // Any other status: nothing was sent and no call follows. `requestId` gets the request's id.
    int RequestAsync(SnmpOperation operation, const SnmpTarget& target,
                     const std::vector<SnmpVarBind>& varBinds, SnmpReplyCallback callback,
                     uint64_t* requestId = nullptr);

    // Forgets a request in flight: its callback will never be called.
    void Cancel(uint64_t requestId);

    // Reads what has arrived on the asynchronous sockets, handles retransmissions and time-outs,
    // then calls the callbacks of the finished requests. Callbacks run here and nowhere else;
    // an exception from a callback leaves this call after that one request was removed.
    void ProcessPendingEvents();

    // Number of asynchronous requests whose callback has not been called yet.
    int PendingCount() const;

    // When ProcessPendingEvents next has work that no socket announces: milliseconds until the
    // library's next retransmission or time-out (0: callbacks are due now), or -1 when no
    // asynchronous request waits. A reply that arrives makes its socket readable.
    int MillisecondsToNextEvent();
    // The soonest anything since the last MillisecondsToNextEvent can make that event fall due,
    // in milliseconds from now: 0 when callbacks are due, else when the first try of an
    // asynchronous request sent since then times out, -1 when neither. Requests that ended or
    // were retransmitted meanwhile only put the next event off.
    int SoonestNewEventMs() const;
    // Called whenever an asynchronous request has been sent, so the caller's pump can wake for it.
    std::function<void()> AsyncSent;

    // The sockets of the asynchronous sessions, to watch for readability; `SocketsChanged` is
    // called whenever the set changes.
    std::vector<int> AsyncSockets() const;
    std::function<void()> SocketsChanged;

    // Closes every library session; each asynchronous request still in flight gets its one
    // callback with status -8.
    void Close();

    struct Channel;
    struct Pending;
    struct VariablePool;
    // Called by the library's callback; public only for it. False for a message the request
    // does not take (one from another address or port): the request goes on waiting.
    bool OnLibraryEvent(Channel& channel, uint64_t id, int operation, void* pdu);

private:
    // The channel for the target's agent and credentials; `community` is the one the operation
    // is sent with (v1, v2c).
    Channel* ChannelFor(const SnmpTarget& target, const std::string& community, bool blocking,
                        const std::string& address, int& status);
    // The channel an operation to the target goes through (the last one where it is the same).
    Channel* ChannelOf(SnmpOperation operation, const SnmpTarget& target, bool blocking, int& status);
    // The library holds one set of keys per SNMPv3 user (engine and name), and checks every reply
    // of the user with it. A request under other keys than those of the user's requests in flight
    // waits until they have ended: an asynchronous one queued in order behind them, a blocking
    // one reading their replies itself; either at most its own time-out (kSnmpV3UserBusy).
    int Send(SnmpOperation operation, const SnmpTarget& target, const std::vector<SnmpVarBind>& varBinds,
             bool blocking, uint64_t& id);
    bool OtherKeysInFlight(const Channel& channel) const;
    bool QueuedBefore(const Channel& channel, uint64_t id) const; // a request of its user queued earlier
    bool WaitForOtherKeys(const Channel& channel, std::chrono::steady_clock::time_point deadline);
    // Registers the user's keys where needed and sends; the pending request is in Pendings.
    int Transmit(Pending& pending, SnmpOperation operation, const SnmpTarget& target,
                 const std::vector<SnmpVarBind>& varBinds);
    bool SendQueued(); // the queued requests whose turn has come
    void Finish(Pending& pending, int status);
    void TimedOut(Pending& pending);
    void DropEngineId(const Channel& channel);
    void CloseIdleRetired();
    void ExpireOverdue();

    std::map<std::string, std::unique_ptr<Channel>> Channels; // by parameters and mode
    std::vector<std::unique_ptr<Channel>> Retired;            // closed once idle
    std::map<uint64_t, std::unique_ptr<Pending>> Pendings;
    std::vector<uint64_t> Finished;               // asynchronous requests whose callback is due, in order
    std::map<std::string, std::string> EngineIds; // agent "address:port" -> its engine ID
    std::map<std::string, std::string> RegisteredUsers; // engine ID + user -> credentials key
    uint64_t NextId = 1;
    // Storage kept from request to request, so that a walk does not allocate it at every row:
    // the last delivered reply's bindings (the next reply is read into them), the channel key
    // being looked up, and the channels that MillisecondsToNextEvent asks.
    std::vector<SnmpVarBind> SpareBindings;
    // The library's variables of ended reads, reused by the next sends' NULL bindings: each takes
    // over a kilobyte, and a walk would otherwise allocate and free one per column and row.
    std::unique_ptr<VariablePool> SpareVariables;
    // When the first try of the soonest request sent since the last MillisecondsToNextEvent
    // times out (only while NewEvent is set).
    bool NewEvent = false;
    std::chrono::steady_clock::time_point NewEventDue;
    std::string ChannelKey;
    std::vector<Channel*> WaitingChannels;
    // The channel of the last v1/v2c send to a dotted address, with what chose it: a walk sends
    // every step with the same target, and finds its channel again without resolving the address
    // and building the channel's key.
    struct LastChannel {
        Channel* Chan = nullptr;
        std::string Address;
        std::string Community;
        bool Blocking = false;
        int Port = 0;
        int Version = 0;
        int Timeout = 0;
        int Retries = 0;
    } Last;
};
