// Hostile benchmark of zorvex-world: the real server on loopback, on a fresh SQLite file, under
// the attacks of the open internet, each run bounded in time and count. Prints the server's
// memory, an honest client's wait and the latency of a burst.
//
//     build/bench/zorvex_world_hostile [flood|crowd|burst]...   (all three when none is named)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "server/HostileClients.h"
#include "server/LoopbackHttp.h"
#include "server/TemporaryFolder.h"
#include "server/WorldLoad.h"
#include "server/WorldServerProcess.h"

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

// 4 connections each streaming 2 million header lines: the server's peak resident size, and how
// each flood ended.
void Flood() {
    const worldtest::TTemporaryFolder folder;
    worldtest::TWorldServerProcess server(folder.SqliteUrl());
    const long start = worldtest::ProcessStatusKiB(server.ProcessId(), "VmRSS");
    std::vector<int> statuses(4);
    std::vector<std::thread> floods;
    for (int& status : statuses)
        floods.emplace_back(
            [&] { status = worldtest::FloodHeaderLines(server.Port(), 2'000'000); });
    for (std::thread& flood : floods)
        flood.join();
    const long peak = worldtest::ProcessStatusKiB(server.ProcessId(), "VmHWM");
    const long after = worldtest::ProcessStatusKiB(server.ProcessId(), "VmRSS");
    std::printf("flood: 4 x 2 000 000 header lines; answers");
    for (const int status : statuses)
        std::printf(" %s", status < 0 ? "closed" : std::to_string(status).c_str());
    std::printf("; server resident %.1f MB at start, peak %.1f MB, after %.1f MB; page %d\n",
                start / 1024.0, peak / 1024.0, after / 1024.0,
                server.Get(worldtest::WorldPageTarget).Status);
    server.Stop();
}

// 100 silent connections and 8 sending a byte every 4 s, for 15 s: an honest page view from
// another address every 250 ms, its wait.
void Crowd() {
    const worldtest::TTemporaryFolder folder;
    worldtest::TWorldServerProcess server(folder.SqliteUrl());
    const worldtest::TSilentCrowd crowd(server.Port(), 100);
    const worldtest::TTrickle trickle(server.Port(), 8, 4000ms);
    std::vector<double> waitsMs;
    int answered = 0;
    for (const auto end = TClock::now() + 15s; TClock::now() < end;
         std::this_thread::sleep_for(250ms)) {
        const auto sent = TClock::now();
        answered +=
            worldtest::HttpGet(server.Port(), worldtest::WorldPageTarget, "127.0.0.2").Status ==
            200;
        waitsMs.push_back(std::chrono::duration<double, std::milli>(TClock::now() - sent).count());
    }
    std::printf(
        "crowd: 100 silent + 8 trickling, 15 s: %d of %zu page views answered, wait median %.2f "
        "ms, max %.2f ms; silent ones closed by the server %d, trickling ones %d\n",
        answered, waitsMs.size(), worldtest::LatencyPercentile(waitsMs, 0.5),
        *std::max_element(waitsMs.begin(), waitsMs.end()), crowd.ClosedByServer(),
        trickle.ClosedByServer());
    server.Stop();
}

// 200 clients sending 2000 results at once, all from 127.0.0.1 (so without the per-address cap,
// which a real crowd of players, each from an address of their own, never meets).
void Burst() {
    const worldtest::TTemporaryFolder folder;
    worldtest::TWorldServerProcess server(folder.SqliteUrl(), 0,
                                          {"--connections-per-address", "0"});
    const worldtest::TLoadRun run = worldtest::RunLoad(server.Port(), 200, 10);
    const long accepted = std::count(run.Statuses.begin(), run.Statuses.end(), 200);
    std::printf(
        "burst: 200 clients x 10 results: %ld of %zu answered 200, %.0f requests/s, latency "
        "median %.2f ms, p99 %.2f ms, max %.2f ms\n",
        accepted, run.Statuses.size(), double(run.Statuses.size()) / run.Seconds,
        worldtest::LatencyPercentile(run.LatenciesMs, 0.5),
        worldtest::LatencyPercentile(run.LatenciesMs, 0.99),
        worldtest::LatencyPercentile(run.LatenciesMs, 1.0));
    server.Stop();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> wanted(argv + 1, argv + argc);
    const auto runs = [&](std::string_view name) {
        return wanted.empty() || std::find(wanted.begin(), wanted.end(), name) != wanted.end();
    };
    for (const std::string_view name : wanted) {
        if (name != "flood" && name != "crowd" && name != "burst") {
            std::fprintf(stderr, "usage: zorvex_world_hostile [flood|crowd|burst]...\n");
            return 2;
        }
    }
    if (runs("flood"))
        Flood();
    if (runs("crowd"))
        Crowd();
    if (runs("burst"))
        Burst();
    return 0;
}
