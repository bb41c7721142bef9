#include "server/ListenSocket.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace world {

std::variant<TListenSocket, std::string> OpenListenSocket(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV | AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (const int error = getaddrinfo(host.c_str(), service.c_str(), &hints, &found); error != 0)
        return "cannot listen on " + host + ": " + gai_strerror(error);
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> address(found, &freeaddrinfo);

    const int fd = socket(found->ai_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return std::string("cannot make a socket: ") + std::strerror(errno);
    // SO_REUSEADDR only lets a restarted server bind over connections of the last one still in
    // TIME_WAIT; on Linux it never lets two sockets listen on one port.
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (found->ai_family == AF_INET6)
        setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on);
    if (bind(fd, found->ai_addr, found->ai_addrlen) != 0 || listen(fd, ListenBacklog) != 0) {
        const int error = errno;
        close(fd);
        if (error == EADDRINUSE)
            return "port " + service + " on " + host + " is in use (another server running?)";
        return "cannot listen on " + host + ":" + service + ": " + std::strerror(error);
    }
    sockaddr_storage bound{};
    socklen_t boundSize = sizeof bound;
    getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &boundSize);
    const int boundPort = bound.ss_family == AF_INET6
                              ? ntohs(reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port)
                              : ntohs(reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
    return TListenSocket{fd, boundPort};
}

}  // namespace world
