// A loopback UDP port that takes requests and never answers: time-outs without an agent.
#pragma once

#include "SnmpAdapter.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

class SilentPort {
public:
    SilentPort() {
        Socket = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (Socket < 0 || bind(Socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            getsockname(Socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            ADD_FAILURE() << "no loopback UDP port";
        Port = ntohs(address.sin_port);
    }
    ~SilentPort() { close(Socket); }
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;

    // A target at this port; `timeout` in units of 10 ms.
    SnmpTarget Target(int version = 1, int timeout = 10) const {
        SnmpTarget target;
        target.Address = "127.0.0.1";
        target.Port = Port;
        target.Version = version;
        target.Timeout = timeout;
        target.ReadCommunity = "public";
        target.WriteCommunity = "private";
        target.SecurityName = "user";
        return target;
    }

    int Socket = -1;
    uint16_t Port = 0;
};

// sysContact.0: one binding to read.
inline const std::vector<SnmpVarBind> kSysContact = {{*SnmpOid::Parse("1.3.6.1.2.1.1.4.0"), {}}};
