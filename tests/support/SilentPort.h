// A bound loopback UDP port that never answers: the agent that is not there, for time-out tests.
// Requests queue in its socket and are never read; nothing runs behind it.
#pragma once

#include <string>

class SilentPort {
public:
    explicit SilentPort(const std::string& address = "127.0.0.1"); // throws std::runtime_error
    ~SilentPort();
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;

    const std::string& Address() const { return AddressText; }
    int Port() const { return PortNumber; }
    std::string Peer() const { return AddressText + ":" + std::to_string(PortNumber); }

private:
    std::string AddressText;
    int PortNumber = 0;
    int Fd = -1;
};
