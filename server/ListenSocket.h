#pragma once
// The server's listening socket, bound by the server itself so that the port is its own: no
// SO_REUSEPORT, so a second server on a port in use fails instead of taking half the traffic.

#include <string>
#include <variant>

namespace world {

// Connections the kernel queues before the server accepts them: room for a burst of players.
inline constexpr int ListenBacklog = 4096;

struct TListenSocket {
    int Fd = -1;
    int Port = 0;  // the port bound, the free one chosen when 0 was asked for
};

// A socket listening on host (an IPv4 or IPv6 address, or a name: its first address) and port,
// or the message saying why there is none.
std::variant<TListenSocket, std::string> OpenListenSocket(const std::string& host, int port);

}  // namespace world
