#include "server/HostileClients.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <fstream>

#include "server/LoopbackHttp.h"

namespace worldtest {

namespace {

// True when the server closed fd (end of stream or reset); waits up to waitMs for it.
bool ClosedByPeer(int fd, int waitMs) {
    pollfd wait = {fd, POLLIN, 0};
    if (poll(&wait, 1, waitMs) != 1)
        return false;
    char byte = 0;
    return recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
}

}  // namespace

long ProcessStatusKiB(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string name;
    long value = -1;
    while (status >> name) {
        if (name == field + ":" && status >> value)
            return value;
        status.ignore(4096, '\n');
    }
    return -1;
}

int FloodHeaderLines(int port, long lineCount) {
    const int fd = ConnectLoopback(port);
    if (fd < 0)
        return -1;
    // A server that stops reading without closing must not stall the flood forever.
    const timeval timeout{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    std::string chunk = "GET /cgi/version.pl?prg=Zorvex&show&type=0 HTTP/1.1\r\nHost: a\r\n";
    constexpr long LinesPerChunk = 4096;
    std::string lines;
    for (long i = 0; i < LinesPerChunk; ++i)
        lines += "X-A: b\r\n";
    for (long sent = 0; sent < lineCount; sent += LinesPerChunk) {
        chunk += lines;
        if (send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL) != ssize_t(chunk.size()))
            break;
        chunk.clear();
    }
    std::string answer;
    char buffer[1024];
    ssize_t got = 0;
    while (answer.size() < 12 && (got = recv(fd, buffer, sizeof buffer, 0)) > 0)
        answer.append(buffer, size_t(got));
    close(fd);
    return answer.starts_with("HTTP/1.") && answer.size() >= 12 ? std::stoi(answer.substr(9, 3))
                                                                : -1;
}

TSilentCrowd::TSilentCrowd(int port, int count, const char* from) {
    for (int i = 0; i < count; ++i)
        Sockets.push_back(ConnectLoopback(port, from));
}

TSilentCrowd::~TSilentCrowd() {
    for (const int fd : Sockets)
        close(fd);
}

int TSilentCrowd::ClosedByServer() const {
    int closed = 0;
    for (const int fd : Sockets)
        closed += fd < 0 || ClosedByPeer(fd, 0);
    return closed;
}

TTrickle::TTrickle(int port, int count, std::chrono::milliseconds interval) {
    for (int i = 0; i < count; ++i) {
        Threads.emplace_back([this, port, interval] {
            const int fd = ConnectLoopback(port);
            const std::string request =
                "GET /cgi/version.pl?prg=Zorvex&show&type=0 HTTP/1.1\r\nHost: a\r\n\r\n";
            for (size_t sent = 0; fd >= 0 && !Stopping; sent = (sent + 1) % request.size()) {
                if (send(fd, &request[sent], 1, MSG_NOSIGNAL) != 1 ||
                    ClosedByPeer(fd, int(interval.count()))) {
                    ++Closed;
                    break;
                }
            }
            close(fd);
        });
    }
}

TTrickle::~TTrickle() {
    Stopping = true;
    for (std::thread& thread : Threads)
        thread.join();
}

}  // namespace worldtest
