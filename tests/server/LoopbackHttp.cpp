#include "server/LoopbackHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace worldtest {

namespace {

constexpr int ReadTimeoutSeconds = 10;

}  // namespace

int ConnectLoopback(int port, const char* from) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in source{};
    source.sin_family = AF_INET;
    inet_pton(AF_INET, from, &source.sin_addr);
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(uint16_t(port));
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const timeval timeout{ReadTimeoutSeconds, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0 ||
        connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

TAnswer Exchange(int port, const std::string& request, const char* from) {
    const int fd = ConnectLoopback(port, from);
    if (fd < 0)
        return {};
    std::string received;
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) == ssize_t(request.size())) {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = recv(fd, buffer, sizeof buffer, 0)) > 0)
            received.append(buffer, size_t(got));
    }
    close(fd);
    // "HTTP/1.1 400 Bad Request\r\n...\r\n\r\nbody"
    const size_t headEnd = received.find("\r\n\r\n");
    if (!received.starts_with("HTTP/1.") || received.size() < 12 || headEnd == std::string::npos)
        return {};
    return {std::stoi(received.substr(9, 3)), received.substr(0, headEnd),
            received.substr(headEnd + 4)};
}

TAnswer HttpGet(int port, const std::string& target, const char* from) {
    return Exchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", from);
}

}  // namespace worldtest
