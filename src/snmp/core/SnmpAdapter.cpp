#include "SnmpAdapter.h"

// The library's configuration header and its umbrella header come before any of its others.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmp_transport.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/transform_oids.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Exported by the library but declared in none of its headers.
struct session_list;
extern "C" int snmpv3_engineID_probe(struct session_list* slp, netsnmp_session* in_session);

using Clock = std::chrono::steady_clock;

struct SnmpAdapter::Channel {
    SnmpAdapter* Owner = nullptr;
    void* Handle = nullptr; // the library's single session
    bool Blocking = false;
    bool Stale = false; // its agent's engine ID was dropped: no new request goes here
    int Socket = -1;
    std::string AgentKey; // "address:port"
    std::string Address;  // dotted
    in_addr AgentIp{};    // Address, as replies carry it
    uint16_t Port = 0;
    int Version = 0;
    std::string UserKey; // engine ID + NUL + user name (v3)
    std::string CredKey; // the user's protocols and passwords as this session holds them (v3)
    int TimeoutMs = 0;
    int Tries = 1;
};

struct SnmpAdapter::Pending {
    uint64_t Id = 0;
    Channel* Chan = nullptr;
    SnmpReplyCallback Callback; // empty for a blocking request
    bool Done = false;
    int Status = kSnmpTimeout;
    int ReportStatus = 0; // a not-in-time-window report seen while the library retried
    SnmpReply Reply;
    Clock::time_point SentAt;
    Clock::time_point Deadline;
    // The request as sent; the library owns it from the send until the request ends.
    netsnmp_pdu* Sent = nullptr;
    // Not sent yet: it waits until no request of its SNMPv3 user under other keys is in flight
    // (Deadline is then the end of that wait), with what it is to be sent with.
    bool Queued = false;
    SnmpOperation Operation = SnmpOperation::Get;
    SnmpTarget Target;
    std::vector<SnmpVarBind> VarBinds;
};

struct SnmpAdapter::VariablePool {
    static constexpr size_t kMostKept = 64;
    netsnmp_variable_list* Chain = nullptr;
    size_t Count = 0;

    VariablePool() = default;
    VariablePool(const VariablePool&) = delete;
    VariablePool& operator=(const VariablePool&) = delete;
    ~VariablePool() {
        while (netsnmp_variable_list* v = Chain) {
            Chain = v->next_variable;
            std::free(v);
        }
    }
    // A variable to fill in, from the pool or newly allocated as the library would; null when
    // memory is short.
    netsnmp_variable_list* Take() {
        netsnmp_variable_list* v = Chain;
        if (!v)
            return static_cast<netsnmp_variable_list*>(std::malloc(sizeof(netsnmp_variable_list)));
        Chain = v->next_variable;
        --Count;
        return v;
    }
    // Takes the variables of a request the library is about to free. Only what AddNullVariable
    // builds is kept (OID and value in the variable's own buffers, nothing attached), so that
    // handing it out again leaks nothing; the rest goes back to the library.
    void Keep(netsnmp_pdu& sent) {
        netsnmp_variable_list* v = sent.variables;
        sent.variables = nullptr;
        while (v) {
            netsnmp_variable_list* next = v->next_variable;
            v->next_variable = nullptr;
            if (Count < kMostKept && v->name == v->name_loc && v->val.string == v->buf && !v->data) {
                v->next_variable = Chain;
                Chain = v;
                ++Count;
            } else {
                snmp_free_var(v);
            }
            v = next;
        }
    }
};

namespace {

// The library's errors in the adapter's numbering.
int StatusOfLibraryError(int error) {
    switch (error) {
    case SNMPERR_SUCCESS:
        return kSnmpOk;
    case SNMPERR_TIMEOUT:
        return kSnmpTimeout;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return kSnmpV3UnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG:
        return kSnmpV3InvalidMessage;
    case SNMPERR_UNKNOWN_PDU:
        return kSnmpV3UnknownPduHandlers;
    case SNMPERR_BAD_CONTEXT:
        return kSnmpV3UnknownContext;
    case SNMPERR_UNKNOWN_REPORT:
        return kSnmpV3Report;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        return kUsmUnsupportedSecurityLevel;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return kUsmNotInTimeWindow;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_BAD_SEC_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return kUsmUnknownSecurityName;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_BAD_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return kUsmUnknownEngineId;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return kUsmAuthenticationFailure;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return kUsmDecryptionError;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return kUsmEncryptionError;
    case SNMPERR_USM_PARSEERROR:
        return kUsmParseError;
    case SNMPERR_USM_GENERICERROR:
    case SNMPERR_SC_GENERAL_FAILURE:
    case SNMPERR_SC_NOT_CONFIGURED:
    case SNMPERR_KT_NOT_AVAILABLE:
        return kUsmError;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_BAD_PARSE:
    case SNMPERR_ASN_PARSE_ERR:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2:
    case SNMPERR_NULL_PDU:
    case SNMPERR_NO_VARS:
    case SNMPERR_VAR_TYPE:
        return kSnmpInvalidPdu;
    case SNMPERR_BAD_ADDRESS:
        return kSnmpInvalidAddress;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
        return kSnmpTransportFailed;
    case SNMPERR_BAD_LOCPORT:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_MALLOC:
        return kSnmpResourceUnavailable;
    case SNMPERR_BAD_SESSION:
        return kSnmpClassInvalid;
    case SNMPERR_BAD_VERSION:
        return kSnmpNotSupportedOnTarget;
    case SNMPERR_BAD_COMMUNITY:
        return kSnmpInvalidTarget;
    case SNMPERR_LONG_OID:
    case SNMPERR_BAD_SUBID:
    case SNMPERR_MAX_SUBID:
        return kSnmpInvalidOid;
    case SNMPERR_TRANSPORT_NO_CONFIG:
    case SNMPERR_TRANSPORT_CONFIG_ERROR:
        return kSnmpTransportUnsupported;
    default:
        return kSnmpGeneralError;
    }
}

// A failure must never read as success, whatever the library left in its error field.
int FailureStatus(int libraryError, int fallback) {
    int status = StatusOfLibraryError(libraryError);
    return status == kSnmpOk || status == kSnmpGeneralError ? fallback : status;
}

// Returning 0 for a message leaves its request waiting in the library (for the real reply, a
// retry or the time-out); 1 ends it.
extern "C" int LibraryCallback(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
    auto* channel = static_cast<SnmpAdapter::Channel*>(session->callback_magic);
    if (!channel || !channel->Owner)
        return 1;
    const bool taken =
        channel->Owner->OnLibraryEvent(*channel, reinterpret_cast<uintptr_t>(magic), operation, pdu);
    return taken ? 1 : 0;
}

void InitLibraryOnce() {
    static const bool done = [] {
        // No snmp.conf, no persistent state, no MIB files: the program's behaviour must not
        // depend on files of the machine it runs on, and reading must never write.
        setenv("MIBS", "", 1);
        setenv("MIBDIRS", "", 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
        init_snmp("zqs4410");
        return true;
    }();
    (void)done;
}

bool ResolveIpv4(const std::string& text, std::string& dotted) {
    if (text.empty())
        return false;
    if (SnmpAdapter::IsDottedAddress(text)) {
        // Already dotted: inet_pton takes only the four plain decimal parts, which is the
        // form inet_ntop would write back.
        dotted = text;
        return true;
    }
    in_addr address{};
    {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_DGRAM;
        addrinfo* found = nullptr;
        if (getaddrinfo(text.c_str(), nullptr, &hints, &found) != 0 || !found)
            return false;
        address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
        freeaddrinfo(found);
    }
    char buffer[INET_ADDRSTRLEN];
    dotted = inet_ntop(AF_INET, &address, buffer, sizeof buffer);
    return true;
}

// The SNMPv3 numbers of a target, checked and turned into the library's protocol OIDs.
struct V3Security {
    int Level = SNMP_SEC_LEVEL_NOAUTH;
    const oid* Auth = usmNoAuthProtocol;
    size_t AuthLength = OID_LENGTH(usmNoAuthProtocol);
    const oid* Priv = usmNoPrivProtocol;
    size_t PrivLength = OID_LENGTH(usmNoPrivProtocol);
};

struct ProtocolOid {
    int Number;
    const oid* Oid;
    size_t Length;
};

const ProtocolOid kAuthProtocols[] = {
    {kAuthProtocolNone, usmNoAuthProtocol, OID_LENGTH(usmNoAuthProtocol)},
    {kAuthProtocolMd5, usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)},
    {kAuthProtocolSha, usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)},
};

const ProtocolOid kPrivProtocols[] = {
    {kPrivProtocolNone, usmNoPrivProtocol, OID_LENGTH(usmNoPrivProtocol)},
    {kPrivProtocolDes, usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)},
    {kPrivProtocolAes128, usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol)},
    {kPrivProtocolAes192, usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)},
    {kPrivProtocolAes256, usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)},
};

template <size_t N> const ProtocolOid* FindProtocol(const ProtocolOid (&table)[N], int number) {
    for (const ProtocolOid& protocol : table)
        if (protocol.Number == number)
            return &protocol;
    return nullptr;
}

int CheckV3(const SnmpTarget& target, V3Security& security) {
    if (target.SecurityModel != kSecurityModelUsm)
        return kSnmpV3UnsupportedSecurityModel;
    const ProtocolOid* auth = FindProtocol(kAuthProtocols, target.AuthProtocol);
    if (!auth)
        return kUsmUnsupportedAuthProtocol;
    const ProtocolOid* priv = FindProtocol(kPrivProtocols, target.PrivProtocol);
    if (!priv)
        return kUsmUnsupportedPrivProtocol;
    security.Auth = auth->Oid;
    security.AuthLength = auth->Length;
    security.Priv = priv->Oid;
    security.PrivLength = priv->Length;
    switch (target.SecurityLevel) {
    case kSecurityLevelNoAuthNoPriv:
        security.Level = SNMP_SEC_LEVEL_NOAUTH;
        break;
    case kSecurityLevelAuthNoPriv:
        security.Level = SNMP_SEC_LEVEL_AUTHNOPRIV;
        break;
    case kSecurityLevelAuthPriv:
        security.Level = SNMP_SEC_LEVEL_AUTHPRIV;
        break;
    default:
        return kUsmUnsupportedSecurityLevel;
    }
    bool needsAuth = security.Level != SNMP_SEC_LEVEL_NOAUTH;
    bool needsPriv = security.Level == SNMP_SEC_LEVEL_AUTHPRIV;
    if ((needsAuth && target.AuthProtocol == kAuthProtocolNone) ||
        (needsPriv && target.PrivProtocol == kPrivProtocolNone))
        return kUsmUnsupportedSecurityLevel;
    return kSnmpOk;
}

// What the user's keys are made of at this level: a session whose user differs in this from the
// library's registered user must register it again.
std::string CredentialsKey(const SnmpTarget& target, const V3Security& security) {
    std::string key = std::to_string(security.Level);
    if (security.Level != SNMP_SEC_LEVEL_NOAUTH)
        key += '\x1f' + std::to_string(target.AuthProtocol) + '\x1f' + target.AuthPassword;
    if (security.Level == SNMP_SEC_LEVEL_AUTHPRIV)
        key += '\x1f' + std::to_string(target.PrivProtocol) + '\x1f' + target.PrivPassword;
    return key;
}

int VersionOf(int version) {
    switch (version) {
    case 0:
        return SNMP_VERSION_1;
    case 1:
        return SNMP_VERSION_2c;
    case 3:
        return SNMP_VERSION_3;
    default:
        return -1;
    }
}

// Fills a binding in place: a walk reads a binding per column and row, into the storage of the
// previous reply's bindings, so every member of the value is set afresh.
void FromLibrary(const netsnmp_variable_list& v, SnmpVarBind& binding) {
    binding.Oid.Arcs.assign(v.name, v.name + v.name_length);
    const auto syntax = static_cast<SnmpSyntax>(v.type);
    binding.Value.Syntax = SnmpSyntax::Null;
    binding.Value.Int = 0;
    binding.Value.Unsigned = 0;
    binding.Value.Bytes.clear();
    binding.Value.Oid.Arcs.clear();
    switch (v.type) {
    case ASN_INTEGER:
        binding.Value.Syntax = SnmpSyntax::Integer;
        binding.Value.Int = static_cast<int32_t>(*v.val.integer);
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        binding.Value.Syntax = syntax;
        binding.Value.Unsigned = static_cast<uint32_t>(*v.val.integer);
        break;
    case ASN_COUNTER64:
        binding.Value.Syntax = SnmpSyntax::Counter64;
        binding.Value.Unsigned = (uint64_t(v.val.counter64->high) << 32) | v.val.counter64->low;
        break;
    case ASN_OBJECT_ID:
        binding.Value.Syntax = SnmpSyntax::ObjectId;
        binding.Value.Oid.Arcs.assign(v.val.objid, v.val.objid + v.val_len / sizeof(oid));
        break;
    case ASN_NULL:
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        binding.Value.Syntax = syntax;
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
    case ASN_NSAP:
        binding.Value.Syntax = syntax;
        binding.Value.Bytes.assign(reinterpret_cast<const char*>(v.val.string), v.val_len);
        break;
    default:
        // The library's decoded opaque specials (float, double...): their octets, as opaque.
        binding.Value.Syntax = SnmpSyntax::Opaque;
        binding.Value.Bytes.assign(reinterpret_cast<const char*>(v.val.string), v.val_len);
        break;
    }
}

// Appends a NULL binding (a read's) as the library's snmp_add_null_var does, without zeroing
// the whole variable first: its OID buffer alone takes over a kilobyte, and a walk adds a
// variable per column and row. The variable comes from `pool`; the library frees it with free(),
// as its own. `tail` is where the PDU's list ends, or a place before it.
bool AddNullVariable(netsnmp_variable_list**& tail, const std::vector<uint32_t>& arcs,
                     SnmpAdapter::VariablePool& pool) {
    netsnmp_variable_list* v = pool.Take();
    if (!v)
        return false;
    v->next_variable = nullptr;
    v->name = v->name_loc;
    v->name_length = arcs.size();
    std::copy(arcs.begin(), arcs.end(), v->name_loc);
    v->type = ASN_NULL;
    v->val.string = v->buf;
    v->val_len = 0;
    std::memset(v->buf, 0, sizeof v->buf);
    v->data = nullptr;
    v->dataFreeHook = nullptr;
    v->index = 0;
    while (*tail)
        tail = &(*tail)->next_variable;
    *tail = v;
    tail = &v->next_variable;
    return true;
}

// `tail` as for AddNullVariable.
int AddBinding(netsnmp_pdu* pdu, netsnmp_variable_list**& tail, const SnmpVarBind& binding, bool withValue,
               SnmpAdapter::VariablePool& pool) {
    // The library keeps OIDs of at most MAX_OID_LEN arcs; BER needs two.
    if (binding.Oid.Size() < 2 || binding.Oid.Size() > MAX_OID_LEN)
        return kSnmpInvalidOid;
    if (!withValue)
        return AddNullVariable(tail, binding.Oid.Arcs, pool) ? kSnmpOk : kSnmpResourceUnavailable;
    oid name[MAX_OID_LEN];
    const size_t length = binding.Oid.Size();
    std::copy(binding.Oid.Arcs.begin(), binding.Oid.Arcs.end(), name);
    netsnmp_variable_list* added = nullptr;
    const SnmpValue& value = binding.Value;
    const auto type = static_cast<u_char>(value.Syntax);
    switch (value.Syntax) {
    case SnmpSyntax::Integer: {
        if (value.Int < INT32_MIN || value.Int > INT32_MAX)
            return kSnmpInvalidPdu;
        long number = static_cast<long>(value.Int);
        added = snmp_pdu_add_variable(pdu, name, length, type, &number, sizeof number);
        break;
    }
    case SnmpSyntax::Counter32:
    case SnmpSyntax::Gauge32:
    case SnmpSyntax::TimeTicks:
    case SnmpSyntax::UInteger32: {
        if (value.Unsigned > UINT32_MAX)
            return kSnmpInvalidPdu;
        u_long number = static_cast<u_long>(value.Unsigned);
        added = snmp_pdu_add_variable(pdu, name, length, type, &number, sizeof number);
        break;
    }
    case SnmpSyntax::Counter64: {
        counter64 number{static_cast<u_long>(value.Unsigned >> 32),
                         static_cast<u_long>(value.Unsigned & 0xffffffffu)};
        added = snmp_pdu_add_variable(pdu, name, length, type, &number, sizeof number);
        break;
    }
    case SnmpSyntax::OctetString:
    case SnmpSyntax::Opaque:
    case SnmpSyntax::IpAddress:
    case SnmpSyntax::NsapAddress:
        added = snmp_pdu_add_variable(pdu, name, length, type, value.Bytes.data(), value.Bytes.size());
        break;
    case SnmpSyntax::ObjectId: {
        if (value.Oid.Size() > MAX_OID_LEN)
            return kSnmpInvalidOid;
        std::vector<oid> arcs(value.Oid.Arcs.begin(), value.Oid.Arcs.end());
        added = snmp_pdu_add_variable(pdu, name, length, type, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    case SnmpSyntax::Null:
        added = snmp_pdu_add_variable(pdu, name, length, ASN_NULL, nullptr, 0);
        break;
    default:
        return kSnmpInvalidPdu; // an exception value cannot be written
    }
    return added ? kSnmpOk : kSnmpResourceUnavailable;
}

// The error index and bindings of a received reply, written over the reply's bindings (whose
// storage a walk reuses from row to row); the result is its error status. An agent's
// error status outside 1..18 must not read as one of the library's own statuses (1400 would be
// success): it becomes a status no table names. An error index outside int names no variable.
int TakeReply(const netsnmp_pdu& pdu, SnmpReply& reply) {
    reply.ErrorIndex = pdu.errindex >= 0 && pdu.errindex <= INT_MAX ? static_cast<int>(pdu.errindex) : 0;
    size_t count = 0;
    for (const netsnmp_variable_list* v = pdu.variables; v; v = v->next_variable)
        ++count;
    reply.VarBinds.resize(count);
    size_t k = 0;
    for (const netsnmp_variable_list* v = pdu.variables; v; v = v->next_variable)
        FromLibrary(*v, reply.VarBinds[k++]);
    return pdu.errstat >= 0 && pdu.errstat <= kSnmpLastErrorStatus ? static_cast<int>(pdu.errstat)
                                                                   : kSnmpUnknownErrorStatus;
}

u_char* CopyBytes(const std::string& text) {
    auto* copy = static_cast<u_char*>(malloc(text.size() ? text.size() : 1));
    if (copy)
        std::memcpy(copy, text.data(), text.size());
    return copy;
}

int MillisecondsUntil(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 60'000));
}

// Whether a received message came from the agent's own address and port. The library matches a
// reply by its request-id alone, so a datagram from anywhere else that guesses it would be taken;
// over UDP the source is what the message's transport data records.
bool FromAgent(const netsnmp_pdu& pdu, in_addr agent, uint16_t port) {
    if (!pdu.transport_data ||
        pdu.transport_data_length < static_cast<int>(sizeof(netsnmp_indexed_addr_pair)))
        return false;
    const sockaddr_in& from =
        static_cast<const netsnmp_indexed_addr_pair*>(pdu.transport_data)->remote_addr.sin;
    return from.sin_family == AF_INET && from.sin_addr.s_addr == agent.s_addr && ntohs(from.sin_port) == port;
}

// Milliseconds until the library's next retransmission or time-out of the session's requests,
// at most `bound`; rounded up: woken a little early, the library would find nothing due yet.
long long LibraryDueMs(void* handle, long long bound) {
    int fds = 0, block = 1;
    fd_set readable;
    FD_ZERO(&readable);
    timeval due{0, 0};
    snmp_sess_select_info(handle, &fds, &readable, &due, &block);
    return block ? bound : std::min<long long>(bound, due.tv_sec * 1000LL + (due.tv_usec + 999) / 1000);
}

void ReadOne(void* handle, int socket) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    snmp_sess_read(handle, &readable);
}

// The library's own retries end each request; this bound only guards against a request the
// library dropped without a word (a retried not-in-time-window report can end that way).
constexpr int kWatchdogMarginMs = 1000;

} // namespace

SnmpAdapter::SnmpAdapter(int& status) : SpareVariables(std::make_unique<VariablePool>()) {
    InitLibraryOnce();
    status = kSnmpOk;
}

SnmpAdapter::~SnmpAdapter() {
    try {
        Close();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "SNMP session closed with a failing reply handler: %s\n", e.what());
    }
}

void SnmpAdapter::InitMessageProcessing(const std::string& engineId, unsigned boots) {
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
    // The library's one way to set the boots is its configuration handler, which takes the
    // count of the previous start and adds one.
    std::string previous = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", previous.data());
}

int SnmpAdapter::DecodeResponsePdu(std::string_view encoded, SnmpReply& reply) {
    InitLibraryOnce();
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_RESPONSE);
    if (!pdu)
        return kSnmpResourceUnavailable;
    pdu->version = SNMP_VERSION_2c;
    std::vector<u_char> data(encoded.begin(), encoded.end());
    size_t length = data.size();
    int status = kSnmpInvalidPdu;
    if (!data.empty() && snmp_pdu_parse(pdu, data.data(), &length) == 0 && pdu->command == SNMP_MSG_RESPONSE)
        status = TakeReply(*pdu, reply);
    snmp_free_pdu(pdu);
    return status;
}

bool SnmpAdapter::IsValidAddress(const std::string& address) {
    std::string dotted;
    return ResolveIpv4(address, dotted);
}

bool SnmpAdapter::IsDottedAddress(const std::string& address) {
    in_addr parsed{};
    return inet_pton(AF_INET, address.c_str(), &parsed) == 1;
}

SnmpAdapter::Channel* SnmpAdapter::ChannelFor(const SnmpTarget& target, const std::string& community,
                                              bool blocking, const std::string& address, int& status) {
    status = kSnmpOk;
    const bool v3 = target.Version == 3;
    V3Security security;
    if (v3 && (status = CheckV3(target, security)) != kSnmpOk)
        return nullptr;
    const int version = VersionOf(target.Version);
    if (version < 0) {
        status = kSnmpNotSupportedOnTarget;
        return nullptr;
    }

    const std::string credentials = v3 ? CredentialsKey(target, security) : std::string();
    const char sep = '\x1f';
    // Written into storage kept from send to send: a walk looks its channel up at every row.
    std::string& key = ChannelKey;
    auto appendNumber = [&key](int number) {
        char digits[16];
        key.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    };
    key.assign(blocking ? "B" : "A");
    key += sep;
    key += address; // the agent's key, "address:port"
    key += ':';
    appendNumber(target.Port);
    for (const int number : {target.Version, target.Timeout, target.Retries}) {
        key += sep;
        appendNumber(number);
    }
    key += sep;
    // A community is a session's: reads and writes go through sessions of their own.
    key += v3 ? target.SecurityName : community;
    key += sep;
    if (v3)
        key += credentials;
    if (auto found = Channels.find(key); found != Channels.end())
        return found->second.get();

    const std::string agentKey = address + ':' + std::to_string(target.Port);
    auto channel = std::make_unique<Channel>();
    channel->Owner = this;
    channel->Blocking = blocking;
    channel->AgentKey = agentKey;
    channel->Address = address;
    inet_pton(AF_INET, address.c_str(), &channel->AgentIp);
    channel->Port = target.Port;
    channel->Version = target.Version;
    channel->CredKey = credentials;
    channel->TimeoutMs = std::max(target.Timeout, 0) * 10;
    channel->Tries = std::max(target.Retries, 0) + 1;

    netsnmp_session session;
    snmp_sess_init(&session);
    std::string peer = "udp:" + agentKey;
    session.peername = peer.data();
    session.version = version;
    session.retries = std::max(target.Retries, 0);
    session.timeout = static_cast<long>(channel->TimeoutMs) * 1000L;
    session.callback_magic = channel.get();
    std::string sessionCommunity = community;
    if (v3) {
        session.securityModel = SNMP_SEC_MODEL_USM;
        session.securityName = const_cast<char*>(target.SecurityName.c_str());
        session.securityNameLen = target.SecurityName.size();
        session.securityLevel = security.Level;
        session.securityAuthProto = const_cast<oid*>(security.Auth);
        session.securityAuthProtoLen = security.AuthLength;
        session.securityPrivProto = const_cast<oid*>(security.Priv);
        session.securityPrivProtoLen = security.PrivLength;
        if (security.Level != SNMP_SEC_LEVEL_NOAUTH) {
            session.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(security.Auth, security.AuthLength,
                            reinterpret_cast<const u_char*>(target.AuthPassword.data()),
                            target.AuthPassword.size(), session.securityAuthKey,
                            &session.securityAuthKeyLen) != SNMPERR_SUCCESS) {
                status = kUsmAuthenticationError; // e.g. a password shorter than 8 characters
                return nullptr;
            }
        }
        if (security.Level == SNMP_SEC_LEVEL_AUTHPRIV) {
            session.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (generate_Ku(security.Auth, security.AuthLength,
                            reinterpret_cast<const u_char*>(target.PrivPassword.data()),
                            target.PrivPassword.size(), session.securityPrivKey,
                            &session.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                status = kUsmEncryptionError;
                return nullptr;
            }
        }
        // The library discovers an engine ID with a blocking exchange: once per agent, then
        // every later session reuses it.
        if (auto known = EngineIds.find(agentKey); known != EngineIds.end()) {
            session.securityEngineID = reinterpret_cast<u_char*>(known->second.data());
            session.securityEngineIDLen = known->second.size();
        }
    } else {
        session.community = reinterpret_cast<u_char*>(sessionCommunity.data());
        session.community_len = sessionCommunity.size();
    }

    channel->Handle = snmp_sess_open(&session);
    if (!channel->Handle) {
        status = FailureStatus(session.s_snmp_errno, kSnmpResourceUnavailable);
        return nullptr;
    }
    netsnmp_transport* transport = snmp_sess_transport(channel->Handle);
    channel->Socket = transport ? transport->sock : -1;
    // An asynchronous socket is read whenever a pump runs, readable or not: nothing to read
    // must return at once (the library reads a failed read of a datagram as nothing read).
    if (!blocking && channel->Socket >= 0)
        fcntl(channel->Socket, F_SETFL, fcntl(channel->Socket, F_GETFL) | O_NONBLOCK);
    if (v3) {
        // Discovered here rather than inside the first send, so that the engine ID is known
        // before the user's keys are checked against the library's user table.
        netsnmp_session* opened = snmp_sess_session(channel->Handle);
        if (opened->securityEngineIDLen == 0 &&
            !snmpv3_engineID_probe(static_cast<struct session_list*>(channel->Handle), &session)) {
            // The probe notes a time-out on the library's copy of the session and only a
            // failed discovery on ours; a silent agent must read as a time-out.
            status = FailureStatus(opened->s_snmp_errno ? opened->s_snmp_errno : session.s_snmp_errno,
                                   kSnmpTimeout);
            snmp_sess_close(channel->Handle);
            return nullptr;
        }
        std::string engineId(reinterpret_cast<const char*>(opened->securityEngineID),
                             opened->securityEngineIDLen);
        if (engineId.empty()) {
            status = kUsmUnknownEngineId;
            snmp_sess_close(channel->Handle);
            return nullptr;
        }
        EngineIds.emplace(agentKey, engineId);
        channel->UserKey = engineId + '\0' + target.SecurityName;
    }
    Channel* result = channel.get();
    Channels.emplace(key, std::move(channel));
    if (!blocking && SocketsChanged)
        SocketsChanged();
    return result;
}

SnmpAdapter::Channel* SnmpAdapter::ChannelOf(SnmpOperation operation, const SnmpTarget& target, bool blocking,
                                             int& status) {
    const std::string& community =
        operation == SnmpOperation::Set ? target.WriteCommunity : target.ReadCommunity;
    status = kSnmpOk;
    if (Last.Chan && target.Version != 3 && Last.Address == target.Address && Last.Port == target.Port &&
        Last.Version == target.Version && Last.Timeout == target.Timeout && Last.Retries == target.Retries &&
        Last.Blocking == blocking && Last.Community == community)
        return Last.Chan;
    std::string address;
    if (!ResolveIpv4(target.Address, address)) {
        status = kSnmpInvalidAddress;
        return nullptr;
    }
    Channel* channel = ChannelFor(target, community, blocking, address, status);
    if (!channel)
        return nullptr;
    // A dotted address reads the same at every send; a host name is looked up every time.
    Last.Chan = target.Version != 3 && address == target.Address ? channel : nullptr;
    Last.Address = target.Address;
    Last.Community = community;
    Last.Blocking = blocking;
    Last.Port = target.Port;
    Last.Version = target.Version;
    Last.Timeout = target.Timeout;
    Last.Retries = target.Retries;
    return channel;
}

bool SnmpAdapter::OtherKeysInFlight(const Channel& channel) const {
    if (channel.Version != 3)
        return false;
    auto registered = RegisteredUsers.find(channel.UserKey);
    if (registered == RegisteredUsers.end() || registered->second == channel.CredKey)
        return false;
    // Every request of the user in flight was sent under the registered keys.
    return std::any_of(Pendings.begin(), Pendings.end(), [&](const auto& entry) {
        const Pending& other = *entry.second;
        return !other.Queued && !other.Done && other.Chan->Version == 3 &&
               other.Chan->UserKey == channel.UserKey;
    });
}

bool SnmpAdapter::QueuedBefore(const Channel& channel, uint64_t id) const {
    return std::any_of(Pendings.begin(), Pendings.lower_bound(id), [&](const auto& entry) {
        const Pending& other = *entry.second;
        return other.Queued && !other.Done && other.Chan->UserKey == channel.UserKey;
    });
}

int SnmpAdapter::Send(SnmpOperation operation, const SnmpTarget& target,
                      const std::vector<SnmpVarBind>& varBinds, bool blocking, uint64_t& id) {
    int status = kSnmpOk;
    Channel* channel = ChannelOf(operation, target, blocking, status);
    if (!channel)
        return status;

    auto made = std::make_unique<Pending>();
    Pending& pending = *made;
    pending.Id = id = NextId++;
    pending.Chan = channel;
    pending.SentAt = Clock::now();
    pending.Deadline = pending.SentAt + std::chrono::milliseconds(channel->TimeoutMs * channel->Tries);
    if (channel->Version == 3 && (OtherKeysInFlight(*channel) || QueuedBefore(*channel, id))) {
        // The library keeps one user per engine and name: registering this request's keys would
        // make it check the replies of those in flight with them, and drop every one. An
        // asynchronous request waits its turn behind them (at most its own time-out); a blocking
        // one waits for them to end.
        if (blocking) {
            if (!WaitForOtherKeys(*channel, pending.Deadline))
                return kSnmpV3UserBusy;
        } else {
            pending.Queued = true;
            pending.Operation = operation;
            pending.Target = target;
            pending.VarBinds = varBinds;
            Pendings.emplace(id, std::move(made));
            return kSnmpOk;
        }
    }
    Pendings.emplace(id, std::move(made));
    status = Transmit(pending, operation, target, varBinds);
    if (status != kSnmpOk)
        Pendings.erase(id);
    return status;
}

bool SnmpAdapter::WaitForOtherKeys(const Channel& channel, Clock::time_point deadline) {
    // Only asynchronous requests can be in flight here: their replies and time-outs are read, and
    // their callbacks wait for the pump as ever.
    const size_t finishedBefore = Finished.size();
    std::vector<Channel*> busy;
    std::vector<pollfd> watch;
    while (OtherKeysInFlight(channel) && Clock::now() < deadline) {
        busy.clear();
        for (const auto& [id, other] : Pendings)
            if (!other->Queued && !other->Done && other->Chan->UserKey == channel.UserKey &&
                std::find(busy.begin(), busy.end(), other->Chan) == busy.end())
                busy.push_back(other->Chan);
        long long waitMs = MillisecondsUntil(deadline);
        watch.clear();
        for (Channel* other : busy) {
            waitMs = LibraryDueMs(other->Handle, waitMs);
            if (other->Socket >= 0)
                watch.push_back({other->Socket, POLLIN, 0});
        }
        if (poll(watch.data(), watch.size(), static_cast<int>(waitMs)) < 0 && errno != EINTR)
            break;
        for (Channel* other : busy) {
            if (other->Socket >= 0)
                ReadOne(other->Handle, other->Socket);
            snmp_sess_timeout(other->Handle);
        }
        ExpireOverdue();
    }
    // What ended here is delivered by the next pump: wake it.
    if (Finished.size() != finishedBefore && AsyncSent)
        AsyncSent();
    return !OtherKeysInFlight(channel);
}

int SnmpAdapter::Transmit(Pending& pending, SnmpOperation operation, const SnmpTarget& target,
                          const std::vector<SnmpVarBind>& varBinds) {
    Channel* channel = pending.Chan;
    int status = kSnmpOk;
    if (channel->Version == 3 && RegisteredUsers[channel->UserKey] != channel->CredKey) {
        // The library keeps one user per engine and name, and never updates its keys: a user
        // whose protocols or passwords changed is registered again (none of its requests under
        // the keys before is in flight any more).
        netsnmp_session* session = snmp_sess_session(channel->Handle);
        if (struct usmUser* user = usm_get_user(session->securityEngineID, session->securityEngineIDLen,
                                                session->securityName)) {
            usm_remove_user(user);
            usm_free_user(user);
        }
        session->flags &= ~SNMP_FLAGS_USER_CREATED;
        if (usm_create_user_from_session(session) != SNMPERR_SUCCESS)
            return kUsmError;
        RegisteredUsers[channel->UserKey] = channel->CredKey;
    }

    const int command = operation == SnmpOperation::Get       ? SNMP_MSG_GET
                        : operation == SnmpOperation::GetNext ? SNMP_MSG_GETNEXT
                                                              : SNMP_MSG_SET;
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    if (!pdu)
        return kSnmpResourceUnavailable;
    netsnmp_variable_list** tail = &pdu->variables;
    for (const SnmpVarBind& binding : varBinds) {
        if ((status = AddBinding(pdu, tail, binding, operation == SnmpOperation::Set, *SpareVariables)) !=
            kSnmpOk) {
            snmp_free_pdu(pdu);
            return status;
        }
    }
    if (channel->Version == 3) {
        V3Security security;
        CheckV3(target, security);
        pdu->securityLevel = security.Level;
        if (!target.ContextEngineId.empty()) {
            pdu->contextEngineID = CopyBytes(target.ContextEngineId);
            pdu->contextEngineIDLen = target.ContextEngineId.size();
        }
        if (!target.ContextName.empty()) {
            pdu->contextName = reinterpret_cast<char*>(CopyBytes(target.ContextName + '\0'));
            pdu->contextNameLen = target.ContextName.size();
        }
    }

    pending.Queued = false;
    pending.Reply.AgentAddress = channel->Address;
    pending.Reply.AgentPort = channel->Port;
    pending.SentAt = Clock::now();
    pending.Deadline =
        pending.SentAt + std::chrono::milliseconds(channel->TimeoutMs * channel->Tries + kWatchdogMarginMs);
    pending.Sent = pdu;
    if (snmp_sess_async_send(channel->Handle, pdu, &LibraryCallback,
                             reinterpret_cast<void*>(uintptr_t(pending.Id))) == 0) {
        int systemError = 0, libraryError = 0;
        char* text = nullptr;
        snmp_sess_error(channel->Handle, &systemError, &libraryError, &text);
        free(text);
        snmp_free_pdu(pdu);
        pending.Sent = nullptr;
        return FailureStatus(libraryError, kSnmpGeneralError);
    }
    if (!channel->Blocking) {
        const Clock::time_point due = pending.SentAt + std::chrono::milliseconds(channel->TimeoutMs);
        NewEventDue = NewEvent ? std::min(NewEventDue, due) : due;
        NewEvent = true;
    }
    return kSnmpOk;
}

bool SnmpAdapter::SendQueued() {
    bool sent = false;
    for (auto& [id, entry] : Pendings) {
        Pending& pending = *entry;
        if (!pending.Queued || pending.Done)
            continue;
        if (pending.Chan->Stale) {
            // Its agent's engine ID was dropped meanwhile: the user is found again under the new one.
            int status = kSnmpOk;
            Channel* channel = ChannelOf(pending.Operation, pending.Target, false, status);
            if (!channel) {
                Finish(pending, status);
                continue;
            }
            pending.Chan = channel;
        }
        if (OtherKeysInFlight(*pending.Chan) || QueuedBefore(*pending.Chan, id))
            continue;
        const int status = Transmit(pending, pending.Operation, pending.Target, pending.VarBinds);
        pending.Target = SnmpTarget();
        pending.VarBinds.clear();
        if (status != kSnmpOk)
            Finish(pending, status);
        else
            sent = true;
    }
    if (sent && AsyncSent)
        AsyncSent();
    return sent;
}

bool SnmpAdapter::OnLibraryEvent(Channel& channel, uint64_t id, int operation, void* libraryPdu) {
    auto* pdu = static_cast<netsnmp_pdu*>(libraryPdu);
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && !FromAgent(*pdu, channel.AgentIp, channel.Port))
        return false; // dropped like a message that does not parse
    auto found = Pendings.find(id);
    if (found == Pendings.end() || found->second->Done)
        return true; // cancelled, closed, or already ended by the watchdog
    Pending& pending = *found->second;
    netsnmp_session* session = snmp_sess_session(channel.Handle);
    try {
        switch (operation) {
        case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
            if (pdu->command == SNMP_MSG_REPORT) {
                int type = snmpv3_get_report_type(pdu);
                // The library reads this field after the callback: on not-in-time-window it
                // sends the request again (the report carried the agent's clock).
                if (session)
                    session->s_snmp_errno = type;
                if (type == SNMPERR_NOT_IN_TIME_WINDOW) {
                    pending.ReportStatus = kUsmNotInTimeWindow;
                    return true;
                }
                if (type == SNMPERR_UNKNOWN_ENG_ID)
                    DropEngineId(channel);
                Finish(pending, FailureStatus(type, kSnmpV3Report));
                return true;
            }
            if (pending.Reply.VarBinds.empty())
                pending.Reply.VarBinds.swap(SpareBindings);
            Finish(pending, TakeReply(*pdu, pending.Reply));
            // Returning true ends the request: the library frees what was sent right after
            // this call, and a read's variables serve the next send instead.
            SpareVariables->Keep(*pending.Sent);
            return true;
        case NETSNMP_CALLBACK_OP_TIMED_OUT:
            TimedOut(pending);
            return true;
        case NETSNMP_CALLBACK_OP_SEC_ERROR: {
            // A report the library could not match to the request's security level (a wrong
            // digest, an unknown user) arrives here with the report itself; net-snmp's own
            // blocking calls read an unexplained one as an authentication failure.
            int type = pdu && pdu->command == SNMP_MSG_REPORT ? snmpv3_get_report_type(pdu)
                                                              : (session ? session->s_snmp_errno : 0);
            if (type == SNMPERR_UNKNOWN_ENG_ID)
                DropEngineId(channel);
            Finish(pending, FailureStatus(type, kUsmAuthenticationFailure));
            return true;
        }
        case NETSNMP_CALLBACK_OP_SEND_FAILED:
            Finish(pending, FailureStatus(session ? session->s_snmp_errno : 0, kSnmpTransportFailed));
            return true;
        default:
            return true; // connect, disconnect, resend: not an end
        }
    } catch (const std::bad_alloc&) {
        // Nothing may unwind through the library's frames.
        pending.Reply.VarBinds.clear();
        Finish(pending, kSnmpResourceUnavailable);
    }
    return true;
}

void SnmpAdapter::Finish(Pending& pending, int status) {
    pending.Done = true;
    pending.Status = status;
    if (pending.Callback)
        Finished.push_back(pending.Id);
}

void SnmpAdapter::TimedOut(Pending& pending) {
    // An agent that restarted with another engine ID drops our messages without a report we
    // could match: after a v3 time-out the next request discovers the engine again.
    if (pending.Chan->Version == 3)
        DropEngineId(*pending.Chan);
    Finish(pending, pending.ReportStatus ? pending.ReportStatus : kSnmpTimeout);
}

void SnmpAdapter::DropEngineId(const Channel& channel) {
    EngineIds.erase(channel.AgentKey);
    for (auto& [key, other] : Channels)
        if (other->AgentKey == channel.AgentKey && other->Version == 3)
            other->Stale = true;
}

int SnmpAdapter::Request(SnmpOperation operation, const SnmpTarget& target,
                         const std::vector<SnmpVarBind>& varBinds, SnmpReply& reply) {
    uint64_t id = 0;
    int status = Send(operation, target, varBinds, true, id);
    if (status != kSnmpOk)
        return status;
    Pending& pending = *Pendings.at(id);
    Channel& channel = *pending.Chan;
    while (!pending.Done) {
        if (Clock::now() >= pending.Deadline) {
            TimedOut(pending);
            break;
        }
        const long long waitMs = LibraryDueMs(channel.Handle, MillisecondsUntil(pending.Deadline));
        pollfd watch{channel.Socket, POLLIN, 0};
        int ready = poll(&watch, 1, static_cast<int>(waitMs));
        if (ready > 0)
            ReadOne(channel.Handle, channel.Socket);
        else if (ready < 0 && errno != EINTR)
            Finish(pending, kSnmpTransportFailed);
        snmp_sess_timeout(channel.Handle);
    }
    status = pending.Status;
    reply = std::move(pending.Reply);
    Pendings.erase(id);
    CloseIdleRetired();
    return status;
}

int SnmpAdapter::RequestAsync(SnmpOperation operation, const SnmpTarget& target,
                              const std::vector<SnmpVarBind>& varBinds, SnmpReplyCallback callback,
                              uint64_t* requestId) {
    uint64_t id = 0;
    int status = Send(operation, target, varBinds, false, id);
    if (status != kSnmpOk)
        return status;
    Pending& pending = *Pendings.at(id);
    pending.Callback = std::move(callback);
    if (pending.Queued) {
        // Its wait ends at its deadline at the latest.
        NewEventDue = NewEvent ? std::min(NewEventDue, pending.Deadline) : pending.Deadline;
        NewEvent = true;
    }
    if (requestId)
        *requestId = id;
    if (AsyncSent)
        AsyncSent();
    return kSnmpOk;
}

void SnmpAdapter::Cancel(uint64_t requestId) {
    Pendings.erase(requestId);
}

int SnmpAdapter::PendingCount() const {
    int count = 0;
    for (const auto& [id, pending] : Pendings)
        count += pending->Callback ? 1 : 0;
    return count;
}

int SnmpAdapter::SoonestNewEventMs() const {
    if (!Finished.empty())
        return 0;
    return NewEvent ? MillisecondsUntil(NewEventDue) : -1;
}

int SnmpAdapter::MillisecondsToNextEvent() {
    NewEvent = false;
    if (!Finished.empty())
        return 0;
    std::vector<Channel*>& waiting = WaitingChannels;
    waiting.clear();
    Clock::time_point next = Clock::time_point::max();
    for (const auto& [id, pending] : Pendings) {
        if (!pending->Callback)
            continue;
        if (pending->Done)
            return 0;
        if (pending->Queued && !OtherKeysInFlight(*pending->Chan) && !QueuedBefore(*pending->Chan, id))
            return 0; // its turn has come
        next = std::min(next, pending->Deadline);
        if (std::find(waiting.begin(), waiting.end(), pending->Chan) == waiting.end())
            waiting.push_back(pending->Chan);
    }
    if (waiting.empty())
        return -1;
    long long ms = MillisecondsUntil(next + std::chrono::microseconds(999));
    for (Channel* channel : waiting)
        ms = LibraryDueMs(channel->Handle, ms);
    return static_cast<int>(std::max(ms, 0LL));
}

std::vector<int> SnmpAdapter::AsyncSockets() const {
    std::vector<int> sockets;
    for (const auto& [key, channel] : Channels)
        if (!channel->Blocking && channel->Socket >= 0)
            sockets.push_back(channel->Socket);
    for (const auto& channel : Retired)
        if (!channel->Blocking && channel->Socket >= 0)
            sockets.push_back(channel->Socket);
    return sockets;
}

void SnmpAdapter::ExpireOverdue() {
    const auto now = Clock::now();
    for (auto& [id, pending] : Pendings) {
        if (!pending->Callback || pending->Done || now < pending->Deadline)
            continue;
        if (pending->Queued)
            Finish(*pending, kSnmpV3UserBusy); // never sent: no time-out, the engine ID stays
        else
            TimedOut(*pending);
    }
}

void SnmpAdapter::CloseIdleRetired() {
    for (auto it = Channels.begin(); it != Channels.end();) {
        if (it->second->Stale) {
            if (it->second.get() == Last.Chan)
                Last.Chan = nullptr;
            Retired.push_back(std::move(it->second));
            it = Channels.erase(it);
        } else {
            ++it;
        }
    }
    bool changed = false;
    for (auto it = Retired.begin(); it != Retired.end();) {
        bool busy = std::any_of(Pendings.begin(), Pendings.end(),
                                [&](const auto& p) { return p.second->Chan == it->get(); });
        if (busy) {
            ++it;
            continue;
        }
        changed = changed || !(*it)->Blocking;
        (*it)->Owner = nullptr;
        snmp_sess_close((*it)->Handle);
        it = Retired.erase(it);
    }
    if (changed && SocketsChanged)
        SocketsChanged();
}

void SnmpAdapter::ProcessPendingEvents() {
    // One datagram per socket and pump: the sockets do not block, and the caller's watch on a
    // readable socket pumps again for the next one, so one busy agent cannot starve the others,
    // and a reply costs no system call besides its own read. What the library calls back here
    // only marks requests finished: no channel comes or goes while the lists are walked.
    auto readAndExpire = [](Channel& channel) {
        if (channel.Blocking)
            return;
        ReadOne(channel.Handle, channel.Socket);
        snmp_sess_timeout(channel.Handle);
    };
    for (const auto& [key, channel] : Channels)
        readAndExpire(*channel);
    for (const auto& channel : Retired)
        readAndExpire(*channel);
    ExpireOverdue();
    SendQueued();
    CloseIdleRetired();

    // Callbacks run only here, outside the library's frames, one request at a time; a callback
    // may send, cancel or close.
    while (!Finished.empty()) {
        uint64_t id = Finished.front();
        Finished.erase(Finished.begin());
        auto found = Pendings.find(id);
        if (found == Pendings.end())
            continue;
        std::unique_ptr<Pending> pending = std::move(found->second);
        Pendings.erase(found);
        pending->Callback(pending->Status, pending->Reply);
        // The next reply is read into these bindings' storage.
        SpareBindings = std::move(pending->Reply.VarBinds);
    }
}

void SnmpAdapter::Close() {
    // Our records leave first: the library may call back for requests it drops while closing,
    // and those calls must find nothing.
    auto pendings = std::move(Pendings);
    Pendings.clear();
    Finished.clear();
    auto closeAll = [](Channel& channel) {
        channel.Owner = nullptr;
        snmp_sess_close(channel.Handle);
    };
    bool hadAsync = !AsyncSockets().empty();
    for (auto& [key, channel] : Channels)
        closeAll(*channel);
    for (auto& channel : Retired)
        closeAll(*channel);
    Channels.clear();
    Retired.clear();
    Last.Chan = nullptr;
    if (hadAsync && SocketsChanged)
        SocketsChanged();

    std::exception_ptr failure;
    for (auto& [id, pending] : pendings) {
        if (!pending->Callback)
            continue;
        SnmpReply reply;
        reply.AgentAddress = pending->Reply.AgentAddress;
        reply.AgentPort = pending->Reply.AgentPort;
        try {
            pending->Callback(kSnmpSessionClosed, reply);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}
