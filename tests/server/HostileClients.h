#pragma once
// Clients that attack a server on loopback the way the open internet does, for the server tests
// and the hostile benchmark: header floods, silent connections and requests that trickle in a
// byte at a time. Each stops by itself or when its object goes.

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace worldtest {

// A field of /proc/pid/status in KiB, e.g. "VmRSS" or "VmHWM"; -1 when unreadable.
long ProcessStatusKiB(pid_t pid, const std::string& field);

// Sends one request whose header lines never end, lineCount short lines, on a connection of its
// own; the status of the answer, or -1 when the server closed the connection without one.
int FloodHeaderLines(int port, long lineCount);

// Connections that connect and send nothing, held until the object goes.
class TSilentCrowd {
public:
    TSilentCrowd(int port, int count, const char* from = "127.0.0.1");
    ~TSilentCrowd();
    TSilentCrowd(const TSilentCrowd&) = delete;
    TSilentCrowd& operator=(const TSilentCrowd&) = delete;

    // How many of them the server has closed by now.
    int ClosedByServer() const;

private:
    std::vector<int> Sockets;
};

// Connections that each send a request one byte every interval, until the server closes them or
// the object goes.
class TTrickle {
public:
    TTrickle(int port, int count, std::chrono::milliseconds interval);
    ~TTrickle();
    TTrickle(const TTrickle&) = delete;
    TTrickle& operator=(const TTrickle&) = delete;

    // How many of them the server has closed by now.
    int ClosedByServer() const { return Closed; }

private:
    std::atomic<bool> Stopping = false;
    std::atomic<int> Closed = 0;
    std::vector<std::thread> Threads;
};

}  // namespace worldtest
