// Concurrent results on loopback, against both stores: every result answered 200 is stored exactly
// once, and nothing else is; a SIGTERM in the middle of it, with slow clients hanging on, ends the
// server in time and loses none of them; two servers on one PostgreSQL serve the same page.

#include <gtest/gtest.h>

#include <future>
#include <map>

#include "server/HostileClients.h"
#include "server/PostgresCluster.h"
#include "server/ResultStore.h"
#include "server/TemporaryFolder.h"
#include "server/WorldLoad.h"
#include "server/WorldServerProcess.h"

namespace {

using worldtest::RunLoad;
using worldtest::TLoadRun;
using worldtest::TWorldServerProcess;

constexpr int Threads = 8;
constexpr int PerThread = 50;

// How many results run got answered 200.
int CountAccepted(const TLoadRun& run) {
    return int(std::count(run.Statuses.begin(), run.Statuses.end(), 200));
}

// The store at url holds exactly the results run got 200 for, each once and unchanged.
void ExpectStoredExactlyTheAccepted(const std::string& url, const TLoadRun& run) {
    std::map<std::string, std::vector<resultcode::TWorldResult>> stored;
    for (const world::TStoredResult& row :
         world::OpenResultStore(url)->Top(run.Statuses.size() + 1))
        stored[row.Result.Name].push_back(row.Result);
    size_t accepted = 0;
    for (size_t i = 0; i < run.Statuses.size(); ++i) {
        const resultcode::TWorldResult sent = worldtest::LoadResult(int(i));
        if (run.Statuses[i] != 200)
            continue;
        ++accepted;
        EXPECT_EQ(stored[sent.Name], std::vector{sent}) << "result " << i;
    }
    EXPECT_EQ(stored.size(), accepted);
}

// The full load on a server over url: every result accepted, each stored once.
void ExpectFullLoadStoredOnce(const std::string& url) {
    TWorldServerProcess server(url);
    const TLoadRun run = RunLoad(server.Port(), Threads, PerThread);
    EXPECT_EQ(CountAccepted(run), Threads * PerThread);
    EXPECT_EQ(server.Stop(), 0);
    ExpectStoredExactlyTheAccepted(url, run);
}

TEST(WorldLoad, SqliteStoresEveryAcceptedResultOnce) {
    const worldtest::TTemporaryFolder folder;
    ExpectFullLoadStoredOnce(folder.SqliteUrl());
}

TEST(WorldLoad, SigtermInTheMiddleWithSlowClientsEndsInTimeAndLosesNoAcceptedResult) {
    const worldtest::TTemporaryFolder folder;
    TWorldServerProcess server(folder.SqliteUrl());
    const worldtest::TTrickle slowClients(server.Port(), 8, std::chrono::milliseconds(500));
    std::atomic<int> answered = 0;
    auto load = std::async(std::launch::async,
                           [&] { return RunLoad(server.Port(), Threads, PerThread, &answered); });
    while (answered < 40 &&
           load.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
    }
    const auto stopping = std::chrono::steady_clock::now();
    EXPECT_EQ(server.Stop(), 0);
    // The server stops within 2 s; this bound only proves the slow clients did not hold it.
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, std::chrono::seconds(4));
    const TLoadRun run = load.get();
    EXPECT_GE(CountAccepted(run), 40);
    EXPECT_LT(CountAccepted(run), Threads * PerThread);  // the stop did come in the middle
    ExpectStoredExactlyTheAccepted(folder.SqliteUrl(), run);
}

TEST(WorldLoadPostgres, StoresEveryAcceptedResultOnce) {
    const worldtest::TPostgresCluster cluster;
    ExpectFullLoadStoredOnce(cluster.Url());
}

TEST(WorldLoadPostgres, TwoServersServeTheSamePage) {
    const worldtest::TPostgresCluster cluster;
    TWorldServerProcess first(cluster.Url());
    TWorldServerProcess second(cluster.Url());
    for (int i = 0; i < 10; ++i) {
        const TWorldServerProcess& server = i % 2 == 0 ? first : second;
        ASSERT_EQ(server.Get(worldtest::SubmitTarget(worldtest::LoadResult(i))).Status, 200);
    }
    const worldtest::TAnswer firstPage = first.Get(worldtest::WorldPageTarget);
    EXPECT_EQ(firstPage.Status, 200);
    EXPECT_EQ(second.Get(worldtest::WorldPageTarget).Body, firstPage.Body);
    for (int i = 0; i < 10; ++i) {
        // Higher index, higher score, higher place.
        const std::string row =
            "<td>" + std::to_string(10 - i) + "</td><td>Load " + std::to_string(i) + "</td>";
        EXPECT_NE(firstPage.Body.find(row), std::string::npos) << row << "\n" << firstPage.Body;
    }
    EXPECT_EQ(first.Stop(), 0);
    EXPECT_EQ(second.Stop(), 0);
}

}  // namespace
