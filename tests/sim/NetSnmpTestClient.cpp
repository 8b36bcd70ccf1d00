#include "NetSnmpTestClient.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace {

void InitNetSnmp() {
    static const bool done = [] {
        // No MIB files, no configuration or persistent files of this machine.
        setenv("MIBS", "", 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        init_snmp("zqs-sim-tests");
        return true;
    }();
    (void)done;
}

std::string OidText(const oid* name, size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        text += (i ? "." : "") + std::to_string(name[i]);
    }
    return text;
}

SimValue ValueOf(const netsnmp_variable_list* v) {
    switch (v->type) {
    case ASN_INTEGER:
        return SimValue::Int(*v->val.integer);
    case ASN_OCTET_STR:
        return SimValue::Octets(std::string(reinterpret_cast<const char*>(v->val.string), v->val_len));
    case ASN_OPAQUE: {
        SimValue octets =
            SimValue::Octets(std::string(reinterpret_cast<const char*>(v->val.string), v->val_len));
        return {"68x", octets.Text};
    }
    case ASN_NULL:
        return {"5", ""};
    case ASN_OBJECT_ID:
        return SimValue::Oid(OidText(v->val.objid, v->val_len / sizeof(oid)));
    case ASN_IPADDRESS: {
        const unsigned char* b = v->val.string;
        return {"64", std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." +
                          std::to_string(b[3])};
    }
    case ASN_COUNTER:
        return {"65", std::to_string(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)};
    case ASN_GAUGE:
        return {"66", std::to_string(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)};
    case ASN_TIMETICKS:
        return {"67", std::to_string(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)};
    case ASN_COUNTER64:
        return {"70", std::to_string((static_cast<unsigned long long>(v->val.counter64->high) << 32) |
                                     v->val.counter64->low)};
    case SNMP_NOSUCHOBJECT:
        return {"128", ""};
    case SNMP_NOSUCHINSTANCE:
        return {"129", ""};
    case SNMP_ENDOFMIBVIEW:
        return {"130", ""};
    default:
        return {"?" + std::to_string(v->type), ""};
    }
}

void AddVarBind(netsnmp_pdu* pdu, const SimVarBind& vb) {
    oid name[MAX_OID_LEN];
    size_t length = MAX_OID_LEN;
    // A leading dot: without MIB files a relative OID would be read under mib-2.
    if (!read_objid(("." + vb.Oid).c_str(), name, &length)) {
        throw std::runtime_error("bad OID " + vb.Oid);
    }
    if (vb.Value.Tag.empty()) {
        snmp_add_null_var(pdu, name, length);
        return;
    }
    // snmp_add_var's own type letters: i integer, x hex octets, o OID, a IpAddress, c counter,
    // u gauge (unsigned), t timeticks, C counter64, n null.
    static const std::pair<const char*, char> kTypes[] = {{"2", 'i'},  {"4x", 'x'}, {"6", 'o'},
                                                          {"64", 'a'}, {"65", 'c'}, {"66", 'u'},
                                                          {"67", 't'}, {"70", 'C'}, {"5", 'n'}};
    for (auto [tag, letter] : kTypes) {
        if (vb.Value.Tag == tag) {
            if (snmp_add_var(pdu, name, length, letter, vb.Value.Text.c_str()) != 0) {
                throw std::runtime_error("bad value " + vb.Value.Text + " for " + vb.Oid);
            }
            return;
        }
    }
    throw std::runtime_error("unsupported tag " + vb.Value.Tag);
}

// The key net-snmp derives from a password with the session's authentication hash (for the
// privacy key too, as USM does).
void KeyFromPassword(netsnmp_session& session, const std::string& password, u_char* key, size_t& keyLength) {
    if (generate_Ku(session.securityAuthProto, static_cast<u_int>(session.securityAuthProtoLen),
                    reinterpret_cast<const u_char*>(password.data()), password.size(), key,
                    &keyLength) != SNMPERR_SUCCESS) {
        throw std::runtime_error("generate_Ku failed for password " + password);
    }
}

} // namespace

NetSnmpTestClient::NetSnmpTestClient(const NetSnmpTarget& target) {
    InitNetSnmp();
    netsnmp_session session;
    snmp_sess_init(&session);
    std::string peer = target.Peer, community = target.Community, user = target.User,
                context = target.Context;
    session.peername = peer.data();
    session.version = target.Version;
    session.timeout = target.TimeoutMs * 1000L;
    session.retries = 0;
    if (target.Version == SNMP_VERSION_3) {
        session.securityName = user.data();
        session.securityNameLen = user.size();
        session.contextName = context.data();
        session.contextNameLen = context.size();
        session.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        if (!target.AuthProtocol.empty()) {
            session.securityLevel =
                target.PrivProtocol.empty() ? SNMP_SEC_LEVEL_AUTHNOPRIV : SNMP_SEC_LEVEL_AUTHPRIV;
            bool md5 = target.AuthProtocol == "MD5";
            session.securityAuthProto = md5 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol;
            session.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
            session.securityAuthKeyLen = USM_AUTH_KU_LEN;
            KeyFromPassword(session, target.AuthPassword, session.securityAuthKey,
                            session.securityAuthKeyLen);
        }
        if (!target.PrivProtocol.empty()) {
            bool des = target.PrivProtocol == "DES";
            session.securityPrivProto = des ? usmDESPrivProtocol : usmAESPrivProtocol;
            session.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
            session.securityPrivKeyLen = USM_PRIV_KU_LEN;
            KeyFromPassword(session, target.PrivPassword, session.securityPrivKey,
                            session.securityPrivKeyLen);
        }
    } else {
        session.community = reinterpret_cast<u_char*>(community.data());
        session.community_len = community.size();
    }
    Session = snmp_sess_open(&session);
    if (Session == nullptr) {
        int liberr = 0, syserr = 0;
        char* text = nullptr;
        snmp_error(&session, &liberr, &syserr, &text);
        std::string message = text ? text : "unknown error";
        free(text);
        throw std::runtime_error("snmp_sess_open(" + peer + "): " + message);
    }
}

NetSnmpTestClient::~NetSnmpTestClient() {
    if (Session != nullptr) {
        snmp_sess_close(Session);
    }
}

NetSnmpReply NetSnmpTestClient::Send(int command, const std::vector<SimVarBind>& varbinds) {
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    for (const SimVarBind& vb : varbinds) {
        AddVarBind(pdu, vb);
    }
    netsnmp_pdu* response = nullptr;
    NetSnmpReply reply;
    int status = snmp_sess_synch_response(Session, pdu, &response);
    if (status != STAT_SUCCESS || response == nullptr) {
        reply.LibError = snmp_sess_session(Session)->s_snmp_errno;
        if (reply.LibError == 0) {
            reply.LibError = status == STAT_TIMEOUT ? SNMPERR_TIMEOUT : SNMPERR_GENERR;
        }
    } else {
        reply.Status = response->errstat;
        reply.Index = response->errindex;
        for (netsnmp_variable_list* v = response->variables; v != nullptr; v = v->next_variable) {
            reply.VarBinds.push_back({OidText(v->name, v->name_length), ValueOf(v)});
        }
    }
    if (response != nullptr) {
        snmp_free_pdu(response);
    }
    return reply;
}

NetSnmpReply NetSnmpTestClient::Get(const std::vector<std::string>& oids) {
    std::vector<SimVarBind> varbinds;
    for (const std::string& o : oids) {
        varbinds.push_back({o, {}});
    }
    return Send(SNMP_MSG_GET, varbinds);
}

NetSnmpReply NetSnmpTestClient::GetNext(const std::vector<std::string>& oids) {
    std::vector<SimVarBind> varbinds;
    for (const std::string& o : oids) {
        varbinds.push_back({o, {}});
    }
    return Send(SNMP_MSG_GETNEXT, varbinds);
}

NetSnmpReply NetSnmpTestClient::Set(const std::vector<SimVarBind>& varbinds) {
    return Send(SNMP_MSG_SET, varbinds);
}

std::vector<SimVarBind> NetSnmpTestClient::Walk(const std::string& prefix) {
    std::vector<SimVarBind> rows;
    std::string at = prefix;
    for (int step = 0; step < 10000; ++step) {
        NetSnmpReply reply = GetNext({at});
        if (reply.LibError != 0 || reply.Status == SNMP_ERR_NOSUCHNAME) {
            EXPECT_EQ(reply.LibError, 0) << "walk of " << prefix << " at " << at;
            break;
        }
        EXPECT_EQ(reply.Status, 0) << "walk of " << prefix << " at " << at;
        if (reply.Status != 0 || reply.VarBinds.size() != 1 || reply.VarBinds[0].Value.Tag == "130" ||
            reply.VarBinds[0].Oid.rfind(prefix + ".", 0) != 0) {
            break;
        }
        rows.push_back(reply.VarBinds[0]);
        at = reply.VarBinds[0].Oid;
    }
    return rows;
}
