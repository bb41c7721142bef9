// The real server on loopback under the attacks of the open internet: floods, crowds of idle
// connections, requests hidden in bodies, a second server on its port.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "server/ChildProcess.h"
#include "server/HostileClients.h"
#include "server/TemporaryFolder.h"
#include "server/WorldLoad.h"
#include "server/WorldServerProcess.h"

namespace {

using namespace std::chrono_literals;
using worldtest::TWorldServerProcess;

TEST(WorldServerHostile, HeaderFloodStaysBoundedInMemory) {
    const worldtest::TTemporaryFolder folder;
    TWorldServerProcess server(folder.SqliteUrl());
    const long before = worldtest::ProcessStatusKiB(server.ProcessId(), "VmRSS");
    // 4 x 640 000 lines of 8 bytes: 20 MB the server must not keep.
    std::vector<std::thread> floods;
    std::vector<int> statuses(4);
    for (int& status : statuses)
        floods.emplace_back([&] { status = worldtest::FloodHeaderLines(server.Port(), 640'000); });
    for (std::thread& flood : floods)
        flood.join();
    for (const int status : statuses)
        EXPECT_TRUE(status == -1 || (status >= 400 && status < 500)) << status;
    const long peak = worldtest::ProcessStatusKiB(server.ProcessId(), "VmHWM");
    EXPECT_LT(peak - before, 16 * 1024) << "KiB at start " << before << ", peak " << peak;
    EXPECT_EQ(server.Get(worldtest::WorldPageTarget).Status, 200);
    EXPECT_EQ(server.Stop(), 0);
}

TEST(WorldServerHostile, SilentCrowdDoesNotDelayAnHonestClient) {
    const worldtest::TTemporaryFolder folder;
    TWorldServerProcess server(folder.SqliteUrl(), 0, {"--connections-per-address", "108"});
    const worldtest::TSilentCrowd crowd(server.Port(), 100);
    const worldtest::TTrickle trickle(server.Port(), 8, 1000ms);
    std::this_thread::sleep_for(200ms);
    // One more from the crowd's address is over its cap and closed at once.
    const worldtest::TSilentCrowd overCap(server.Port(), 1);
    for (int waited = 0; overCap.ClosedByServer() == 0 && waited < 1000; waited += 10)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(overCap.ClosedByServer(), 1);
    // The honest client comes from another address of the loopback network.
    for (int view = 0; view < 12; ++view) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(worldtest::HttpGet(server.Port(), worldtest::WorldPageTarget, "127.0.0.2").Status,
                  200);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s) << "page view " << view;
        std::this_thread::sleep_for(250ms);
    }
    EXPECT_EQ(crowd.ClosedByServer(), 0);  // held all along, not turned away
    EXPECT_EQ(trickle.ClosedByServer(), 0);
    EXPECT_EQ(server.Stop(), 0);
}

TEST(WorldServerHostile, NoRequestHiddenInABodyOrAnotherMethodIsStored) {
    const worldtest::TTemporaryFolder folder;
    TWorldServerProcess server(folder.SqliteUrl());
    const int port = server.Port();
    const std::string submit = worldtest::SubmitTarget({"Hidden", 7, ""});
    const std::string hidden = "GET " + submit + " HTTP/1.1\r\nHost: a\r\n\r\n";
    const std::string page = "GET " + std::string(worldtest::WorldPageTarget) + " HTTP/1.1\r\n";
    const auto expectOneAnswer = [&](const std::string& request, int status) {
        const worldtest::TAnswer answer = worldtest::Exchange(port, request);
        EXPECT_EQ(answer.Status, status) << request;
        EXPECT_EQ(answer.Body.find("HTTP/1."), std::string::npos) << request;
    };
    const std::string length = std::to_string(hidden.size());
    expectOneAnswer(page + "Host: a\r\nContent-Length: " + length + "\r\n\r\n" + hidden, 413);
    expectOneAnswer(
        page + "Host: a\r\nContent-Length: 0\r\nContent-Length: " + length + "\r\n\r\n" + hidden,
        400);
    std::ostringstream chunked;
    chunked << page << "Host: a\r\nTransfer-Encoding: chunked\r\n\r\n"
            << std::hex << hidden.size() << "\r\n"
            << hidden << "\r\n0\r\n\r\n";
    expectOneAnswer(chunked.str(), 413);
    // Pipelined: the first is answered, the connection closed, the second never read.
    expectOneAnswer(page + "Host: a\r\n\r\n" + hidden, 200);
    expectOneAnswer("HEAD " + submit + " HTTP/1.1\r\nHost: a\r\n\r\n", 405);
    expectOneAnswer("POST " + submit + " HTTP/1.1\r\nHost: a\r\n\r\n", 405);
    expectOneAnswer("PUT " + submit + " HTTP/1.1\r\nHost: a\r\nContent-Length: 0\r\n\r\n", 405);

    const worldtest::TAnswer shown = server.Get(worldtest::WorldPageTarget);
    EXPECT_EQ(shown.Status, 200);
    EXPECT_EQ(shown.Body.find("Hidden"), std::string::npos) << shown.Body;
    EXPECT_EQ(server.Stop(), 0);
}

TEST(WorldServerHostile, SecondServerOnAPortInUseExitsWithOne) {
    const worldtest::TTemporaryFolder folder;
    TWorldServerProcess server(folder.SqliteUrl());
    // zorvex-world with arguments; its exit code within 5 s (-2: still running) and its output.
    const auto run = [&](std::vector<std::string> arguments) {
        const std::string log = (folder.Path() / "second.log").string();
        std::ofstream(log, std::ios::trunc).close();
        const int fd = open(log.c_str(), O_WRONLY | O_CLOEXEC);
        arguments.insert(arguments.begin(), ZORVEX_WORLD_BINARY);
        const int code =
            worldtest::WaitForExitWithin(worldtest::StartProcess(arguments, fd, fd), 5000);
        close(fd);
        std::ostringstream output;
        output << std::ifstream(log).rdbuf();
        return std::pair(code, output.str());
    };
    const auto [code, output] =
        run({"--listen", "127.0.0.1:" + std::to_string(server.Port()), "--database",
             "sqlite:" + (folder.Path() / "other.db").string()});
    EXPECT_EQ(code, 1);
    EXPECT_NE(output.find("in use"), std::string::npos) << output;
    const auto [helpCode, help] = run({"--help"});
    EXPECT_EQ(helpCode, 0);
    EXPECT_NE(help.find("--connections-per-address"), std::string::npos) << help;
    EXPECT_EQ(server.Get(worldtest::WorldPageTarget).Status, 200);
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
