// Load benchmark of zorvex-world: the real server on loopback, first on a fresh SQLite file, then
// on a throwaway PostgreSQL cluster with fsync on. Each client thread sends distinct results, one
// connection per request as the game does, then asks for the world page as often. Prints
// requests per second and latency of each.
//
//     build/bench/zorvex_world_load [threads [requests per thread]]

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "server/PostgresCluster.h"
#include "server/TemporaryFolder.h"
#include "server/WorldLoad.h"
#include "server/WorldServerProcess.h"

namespace {

void Print(const char* storeName, const char* kind, int threads, int perThread,
           const worldtest::TLoadRun& run) {
    const long answered = std::count(run.Statuses.begin(), run.Statuses.end(), 200);
    std::printf(
        "%-10s %-11s %3d threads x %4d: %5ld answered 200, %7.0f requests/s, latency median"
        " %6.2f ms, p99 %6.2f ms\n",
        storeName, kind, threads, perThread, answered, double(run.Statuses.size()) / run.Seconds,
        worldtest::LatencyPercentile(run.LatenciesMs, 0.5),
        worldtest::LatencyPercentile(run.LatenciesMs, 0.99));
}

void Measure(const char* storeName, const std::string& databaseUrl, int threads, int perThread) {
    worldtest::TWorldServerProcess server(databaseUrl);
    Print(storeName, "submissions", threads, perThread,
          worldtest::RunLoad(server.Port(), threads, perThread));
    Print(storeName, "page views", threads, perThread,
          worldtest::RunLoad(server.Port(), threads, perThread, nullptr,
                             worldtest::TLoadKind::PageViews));
    server.Stop();
}

}  // namespace

int main(int argc, char** argv) {
    const int threads = argc > 1 ? std::atoi(argv[1]) : 8;
    const int perThread = argc > 2 ? std::atoi(argv[2]) : 250;
    if (threads < 1 || perThread < 1) {
        std::fprintf(stderr, "usage: zorvex_world_load [threads [requests per thread]]\n");
        return 2;
    }
    {
        const worldtest::TTemporaryFolder folder;
        Measure("sqlite", folder.SqliteUrl(), threads, perThread);
    }
    const worldtest::TPostgresCluster cluster(/*durable=*/true);
    Measure("postgresql", cluster.Url(), threads, perThread);
    return 0;
}
