// A minimal synchronous net-snmp manager for the tests of the simulator itself (the program's
// own SNMP adapter is tested elsewhere). Values come back in the simulator's text form.
#pragma once

#include "SimTypes.h"

#include <string>
#include <vector>

struct NetSnmpTarget {
    long Version = 1; // SNMP_VERSION_1 (0), SNMP_VERSION_2c (1) or SNMP_VERSION_3 (3)
    std::string Peer; // "127.0.0.1:PORT"
    std::string Community = SimCredentials::kReadCommunity;
    // SNMPv3: no AuthProtocol means noAuthNoPriv, no PrivProtocol authNoPriv.
    std::string User;
    std::string AuthProtocol; // "", "MD5" or "SHA"
    std::string PrivProtocol; // "", "DES" or "AES"
    std::string AuthPassword = SimCredentials::kAuthPassword;
    std::string PrivPassword = SimCredentials::kPrivPassword;
    std::string Context;
    int TimeoutMs = 10000; // generous: only a missing reply waits it out
};

struct NetSnmpReply {
    int LibError = 0;                 // SNMPERR_* when no usable reply came (time-out, USM report), else 0
    long Status = 0;                  // error-status of the reply
    long Index = 0;                   // error-index of the reply
    std::vector<SimVarBind> VarBinds; // exceptions as tags "128" noSuchObject, "129"
                                      // noSuchInstance, "130" endOfMibView
};

class NetSnmpTestClient {
public:
    explicit NetSnmpTestClient(const NetSnmpTarget& target); // throws std::runtime_error
    ~NetSnmpTestClient();
    NetSnmpTestClient(const NetSnmpTestClient&) = delete;
    NetSnmpTestClient& operator=(const NetSnmpTestClient&) = delete;

    NetSnmpReply Get(const std::vector<std::string>& oids);
    NetSnmpReply GetNext(const std::vector<std::string>& oids);
    NetSnmpReply Set(const std::vector<SimVarBind>& varbinds);

    // GET-NEXT from prefix while the OIDs stay under it; fails the test on an error reply.
    std::vector<SimVarBind> Walk(const std::string& prefix);

private:
    NetSnmpReply Send(int command, const std::vector<SimVarBind>& varbinds);

    void* Session = nullptr;
};
