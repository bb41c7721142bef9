#include "server/WorldServerProcess.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "server/ChildProcess.h"

namespace worldtest {

namespace {

// How long the server may take to start listening; generous for a sanitizer build.
constexpr int StartTimeoutMs = 20000;

// The first line the server prints, "zorvex-world: listening on HOST:PORT", or "" when it gave
// none within the time.
std::string ReadFirstLine(int fd) {
    std::string line;
    pollfd wait = {fd, POLLIN, 0};
    while (poll(&wait, 1, StartTimeoutMs) == 1) {
        char character = 0;
        if (read(fd, &character, 1) != 1 || character == '\n')
            break;
        line += character;
    }
    return line;
}

}  // namespace

TWorldServerProcess::TWorldServerProcess(const std::string& databaseUrl,
                                         unsigned requestsPerMinute) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");
    Output = pipeEnds[0];
    try {
        Pid =
            StartProcess({ZORVEX_WORLD_BINARY, "--listen", "127.0.0.1:0", "--database", databaseUrl,
                          "--requests-per-minute", std::to_string(requestsPerMinute)},
                         pipeEnds[1]);
    } catch (...) {
        close(pipeEnds[1]);
        close(Output);
        throw;
    }
    close(pipeEnds[1]);
    const std::string line = ReadFirstLine(Output);
    const size_t colon = line.rfind(':');
    if (!line.starts_with("zorvex-world: listening on ") || colon == std::string::npos) {
        Stop();
        close(Output);
        throw std::runtime_error("zorvex-world did not start: \"" + line + "\"");
    }
    ServerPort = std::stoi(line.substr(colon + 1));
}

TWorldServerProcess::~TWorldServerProcess() {
    if (Pid > 0) {
        kill(Pid, SIGKILL);
        WaitForExit(Pid);
    }
    close(Output);
}

TAnswer TWorldServerProcess::Get(const std::string& target) const {
    httplib::Client client("127.0.0.1", ServerPort);
    client.set_keep_alive(false);
    const auto result = client.Get(target);
    if (!result)
        return {};
    return {result->status, result->body};
}

TAnswer TWorldServerProcess::Post(const std::string& target, const std::string& body) const {
    httplib::Client client("127.0.0.1", ServerPort);
    client.set_keep_alive(false);
    const auto result = client.Post(target, body, "application/octet-stream");
    if (!result)
        return {};
    return {result->status, result->body};
}

int TWorldServerProcess::Stop() {
    kill(Pid, SIGTERM);
    const int code = WaitForExit(Pid);
    Pid = -1;
    return code;
}

int SendRawRequest(int port, const std::string& request) {
    const int socketFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string answer;
    if (connect(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        send(socketFd, request.data(), request.size(), MSG_NOSIGNAL) == ssize_t(request.size())) {
        char buffer[512];
        ssize_t got = 0;
        while (answer.size() < 12 && (got = recv(socketFd, buffer, sizeof buffer, 0)) > 0)
            answer.append(buffer, size_t(got));
    }
    close(socketFd);
    // "HTTP/1.1 400 ..."
    if (answer.size() < 12 || !answer.starts_with("HTTP/1.1 "))
        return -1;
    return std::stoi(answer.substr(9, 3));
}

}  // namespace worldtest
