#include "server/WorldServerProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <stdexcept>

#include "server/ChildProcess.h"

namespace worldtest {

namespace {

// How long the server may take to start listening; generous for a sanitizer build.
constexpr int StartTimeoutMs = 20000;
// How long it may take to stop before it is killed; far more than it needs.
constexpr int StopTimeoutMs = 20000;

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

TWorldServerProcess::TWorldServerProcess(const std::string& databaseUrl, unsigned requestsPerMinute,
                                         const std::vector<std::string>& flags) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");
    Output = pipeEnds[0];
    try {
        std::vector<std::string> argv = {ZORVEX_WORLD_BINARY,
                                         "--listen",
                                         "127.0.0.1:0",
                                         "--database",
                                         databaseUrl,
                                         "--requests-per-minute",
                                         std::to_string(requestsPerMinute)};
        argv.insert(argv.end(), flags.begin(), flags.end());
        Pid = StartProcess(argv, pipeEnds[1]);
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

int TWorldServerProcess::Stop() {
    kill(Pid, SIGTERM);
    const int code = WaitForExitWithin(Pid, StopTimeoutMs);
    Pid = -1;
    return code;
}

}  // namespace worldtest
