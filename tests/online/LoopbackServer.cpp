#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

TLoopbackServer::TLoopbackServer(TAnswer answer) : answer_(answer) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot listen on loopback");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

TLoopbackServer::~TLoopbackServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

std::string TLoopbackServer::LastRequest() const {
    std::lock_guard lock(mutex_);
    return lastRequest_;
}

void TLoopbackServer::Serve() {
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        Answer(connection);
        ::close(connection);
    }
}

void TLoopbackServer::Answer(int connection) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        head.append(buffer, static_cast<size_t>(got));
    }
    {
        std::lock_guard lock(mutex_);
        lastRequest_ = head.substr(0, head.find("\r\n\r\n"));
    }
    const auto send = [&](const std::string& bytes) {
        return ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL) > 0;
    };
    switch (answer_) {
        case TAnswer::Late:
            for (auto held = std::chrono::milliseconds(0); held < LateAnswerDelay && !stopping_;
                 held += std::chrono::milliseconds(20))
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            [[fallthrough]];
        case TAnswer::Ok:
            send("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nSet-Cookie: seen=1\r\n\r\nok");
            break;
        case TAnswer::ServerError:
            send("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n");
            break;
        case TAnswer::Silent:
            while (!stopping_ && ::recv(connection, buffer, sizeof buffer, MSG_DONTWAIT) != 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            break;
        case TAnswer::EndlessBody:
            send("HTTP/1.1 200 OK\r\n\r\n");
            while (!stopping_ && send(std::string(4096, 'x'))) {
            }
            break;
    }
}
