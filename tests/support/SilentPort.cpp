#include "SilentPort.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

SilentPort::SilentPort(const std::string& address) : AddressText(address) {
    sockaddr_in at{};
    at.sin_family = AF_INET;
    if (inet_pton(AF_INET, address.c_str(), &at.sin_addr) != 1 || (ntohl(at.sin_addr.s_addr) >> 24) != 127) {
        throw std::runtime_error("SilentPort: " + address + " is not a loopback address");
    }
    // No SO_REUSEADDR: while this socket holds the port, no simulated agent can bind it too.
    Fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    socklen_t size = sizeof at;
    if (Fd < 0 || bind(Fd, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 ||
        getsockname(Fd, reinterpret_cast<sockaddr*>(&at), &size) != 0) {
        std::string error = std::strerror(errno);
        if (Fd >= 0) {
            close(Fd);
        }
        throw std::runtime_error("SilentPort: " + error);
    }
    PortNumber = ntohs(at.sin_port);
}

SilentPort::~SilentPort() {
    close(Fd);
}
