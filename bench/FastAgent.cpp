// A fast SNMP agent for the walk benchmark: it serves the benchmark's table of 1,000 rows and 10
// columns (the same values the simulated switch is given) on a loopback UDP port, answering GET
// and GET-NEXT in SNMPv1 and v2c from a sorted array, with net-snmp's own message handling. The
// simulated switch takes milliseconds per reply, which hides the cost of the client; this one
// takes a few tens of microseconds.
//
//   fast_agent [ADDRESS]   (default 127.0.0.1; loopback addresses only)
//
// It binds a free port, prints it on its first output line and serves until its standard input
// reaches its end (the benchmark holds the pipe's other end, so the agent cannot outlive it) or
// it gets SIGTERM.
#include "WalkTable.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <sys/select.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

volatile std::sig_atomic_t Stopping = 0;

struct Entry {
    std::vector<oid> Name;
    WalkCellValue Value;
};

std::vector<Entry> Table;

bool Less(const std::vector<oid>& a, const oid* b, size_t bLength) {
    return snmp_oid_compare(a.data(), a.size(), b, bLength) < 0;
}

void SetValue(netsnmp_variable_list* v, const Entry& entry) {
    snmp_set_var_objid(v, entry.Name.data(), entry.Name.size());
    const WalkCellValue& value = entry.Value;
    switch (value.Type) {
    case ASN_INTEGER: {
        long number = static_cast<long>(value.Number);
        snmp_set_var_typed_value(v, ASN_INTEGER, &number, sizeof number);
        break;
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: {
        u_long number = static_cast<u_long>(value.Number);
        snmp_set_var_typed_value(v, value.Type, &number, sizeof number);
        break;
    }
    case ASN_COUNTER64: {
        counter64 number{static_cast<u_long>(value.Number >> 32),
                         static_cast<u_long>(value.Number & 0xffffffffu)};
        snmp_set_var_typed_value(v, ASN_COUNTER64, &number, sizeof number);
        break;
    }
    case ASN_OBJECT_ID: {
        std::vector<oid> arcs(value.Arcs.begin(), value.Arcs.end());
        snmp_set_var_typed_value(v, ASN_OBJECT_ID, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    default: // octet strings and IP addresses
        snmp_set_var_typed_value(v, value.Type, value.Bytes.data(), value.Bytes.size());
        break;
    }
}

// Answers one request; returns the error status (a v1 GET-NEXT past the end: noSuchName).
long Answer(netsnmp_pdu* reply, bool getNext) {
    long index = 1;
    for (netsnmp_variable_list* v = reply->variables; v; v = v->next_variable, ++index) {
        const oid* name = v->name;
        const size_t length = v->name_length;
        const Entry* found = nullptr;
        if (getNext) {
            auto next = std::upper_bound(Table.begin(), Table.end(), 0, [&](int, const Entry& e) {
                return snmp_oid_compare(name, length, e.Name.data(), e.Name.size()) < 0;
            });
            found = next == Table.end() ? nullptr : &*next;
        } else {
            auto at = std::lower_bound(Table.begin(), Table.end(), 0,
                                       [&](const Entry& e, int) { return Less(e.Name, name, length); });
            if (at != Table.end() && snmp_oid_compare(at->Name.data(), at->Name.size(), name, length) == 0)
                found = &*at;
        }
        if (found) {
            SetValue(v, *found);
            continue;
        }
        if (reply->version == SNMP_VERSION_1) {
            reply->errindex = index;
            return SNMP_ERR_NOSUCHNAME;
        }
        snmp_set_var_typed_value(v, getNext ? SNMP_ENDOFMIBVIEW : SNMP_NOSUCHOBJECT, nullptr, 0);
    }
    return SNMP_ERR_NOERROR;
}

int OnMessage(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void*) {
    if (operation != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE)
        return 1;
    if (pdu->command != SNMP_MSG_GET && pdu->command != SNMP_MSG_GETNEXT)
        return 1; // a benchmark agent: nothing else is asked of it
    netsnmp_pdu* reply = snmp_clone_pdu(pdu);
    if (!reply)
        return 1;
    reply->command = SNMP_MSG_RESPONSE;
    reply->errindex = 0;
    reply->errstat = Answer(reply, pdu->command == SNMP_MSG_GETNEXT);
    if (reply->errstat != SNMP_ERR_NOERROR) {
        // A v1 error reply carries the request's own bindings.
        snmp_free_varbind(reply->variables);
        reply->variables = snmp_clone_varbind(pdu->variables);
    }
    if (!snmp_send(session, reply))
        snmp_free_pdu(reply);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string address = argc > 1 ? argv[1] : "127.0.0.1";
    in_addr parsed{};
    if (inet_pton(AF_INET, address.c_str(), &parsed) != 1 || (ntohl(parsed.s_addr) >> 24) != 127) {
        std::fprintf(stderr, "fast_agent: %s is not a loopback address\n", address.c_str());
        return 2;
    }
    std::signal(SIGTERM, [](int) { Stopping = 1; });
    std::signal(SIGPIPE, SIG_IGN);

    for (const WalkCell& row : WalkCells())
        Table.push_back({std::vector<oid>(row.Name.begin(), row.Name.end()), row.Value});
    std::sort(Table.begin(), Table.end(), [](const Entry& a, const Entry& b) {
        return snmp_oid_compare(a.Name.data(), a.Name.size(), b.Name.data(), b.Name.size()) < 0;
    });

    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    init_snmp("fast_agent");

    const std::string spec = "udp:" + address + ":0";
    netsnmp_transport* transport = netsnmp_transport_open_server("fast_agent", spec.c_str());
    if (!transport) {
        std::fprintf(stderr, "fast_agent: cannot bind %s\n", spec.c_str());
        return 1;
    }
    sockaddr_in bound{};
    socklen_t boundLength = sizeof bound;
    getsockname(transport->sock, reinterpret_cast<sockaddr*>(&bound), &boundLength);

    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.peername = SNMP_DEFAULT_PEERNAME;
    settings.version = SNMP_DEFAULT_VERSION;
    settings.community_len = SNMP_DEFAULT_COMMUNITY_LEN;
    settings.retries = SNMP_DEFAULT_RETRIES;
    settings.timeout = SNMP_DEFAULT_TIMEOUT;
    settings.callback = OnMessage;
    settings.isAuthoritative = SNMP_SESS_UNKNOWNAUTH;
    netsnmp_session* session = snmp_add(&settings, transport, nullptr, nullptr);
    if (!session) {
        std::fprintf(stderr, "fast_agent: cannot open its session\n");
        return 1;
    }
    std::printf("%d\n", ntohs(bound.sin_port));
    std::fflush(stdout);

    while (!Stopping) {
        int fds = 0, block = 1;
        fd_set readable;
        FD_ZERO(&readable);
        timeval timeout{1, 0};
        snmp_select_info(&fds, &readable, &timeout, &block);
        FD_SET(STDIN_FILENO, &readable);
        fds = std::max(fds, STDIN_FILENO + 1);
        timeval wait{1, 0};
        const int ready = select(fds, &readable, nullptr, nullptr, &wait);
        if (ready < 0)
            continue; // a signal: the loop looks at Stopping
        if (FD_ISSET(STDIN_FILENO, &readable)) {
            char buffer[64];
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                break; // the benchmark is gone
        }
        snmp_read(&readable);
    }
    snmp_close(session);
    return 0;
}
