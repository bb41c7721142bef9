// The ranking the page relies on, straight from the SQLite store: score, then time received, then
// arrival; at most the count asked for; and a second opening of the file sees the same.

#include <gtest/gtest.h>

#include "server/PostgresCluster.h"
#include "server/ResultStore.h"
#include "server/TemporaryFolder.h"

namespace {

TEST(ResultStore, SqliteRanksByScoreThenTimeThenArrival) {
    const worldtest::TTemporaryFolder folder;
    const std::string url = folder.SqliteUrl();
    {
        const auto store = world::OpenResultStore(url);
        store->Add({"Late", 50, ""}, 2000);
        store->Add({"Low", -1, ""}, 1000);
        store->Add({"Early", 50, ""}, 1000);
        store->Add({"Top", 2147483647, "X"}, 3000);
        store->Add({"Early too", 50, ""}, 1000);
    }
    const auto top = world::OpenResultStore(url)->Top(4);
    std::vector<std::string> names;
    for (const world::TStoredResult& row : top)
        names.push_back(row.Result.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Top", "Early", "Early too", "Late"}));
    EXPECT_EQ(top[0].Result, (resultcode::TWorldResult{"Top", 2147483647, "X"}));
    EXPECT_EQ(top[0].ReceivedAt, 3000);
    EXPECT_THROW(world::OpenResultStore("mysql://localhost/x"), world::TStoreError);
}

}  // namespace

namespace {

// Both stores: a replay pairs with the latest result equal to its own that has none yet and was
// received in the window, keeps its bytes exactly, and only a verified one makes the verified
// ranking.
void CheckReplayPairing(const std::string& url) {
    const auto store = world::OpenResultStore(url);
    store->Add({"Ace", 80, ""}, 1000);
    store->Add({"Ace", 80, ""}, 2000);
    store->Add({"Ace", 90, ""}, 2000);
    const std::string bytes = std::string("ZVX\0\xff\x80 replay", 14);
    EXPECT_EQ(store->AttachReplay({"Ace", 80, ""}, 2500, bytes), std::nullopt);  // too old
    const auto second = store->AttachReplay({"Ace", 80, ""}, 500, bytes);
    const auto first = store->AttachReplay({"Ace", 80, ""}, 500, bytes + "1");
    ASSERT_TRUE(second && first);
    EXPECT_GT(*second, *first);
    EXPECT_EQ(store->AttachReplay({"Ace", 80, ""}, 500, bytes), std::nullopt);  // both taken
    const auto pending = store->PendingReplays(1);                              // the oldest first
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].ResultId, *first);
    EXPECT_EQ(pending[0].Claimed, (resultcode::TWorldResult{"Ace", 80, ""}));
    EXPECT_EQ(pending[0].File, bytes + "1");
    store->RecordVerdict(*second, world::TVerification::Verified, "");
    store->RecordVerdict(*first, world::TVerification::Rejected, "edited");
    EXPECT_EQ(store->Replay(*second), bytes);
    EXPECT_EQ(store->Replay(*first), bytes + "1");
    EXPECT_EQ(store->Replay(*second + 100), std::nullopt);
    EXPECT_TRUE(store->PendingReplays(10).empty());

    const auto all = store->Top(10);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].Verification, world::TVerification::Unverified);  // the 90
    EXPECT_EQ(all[1].Verification, world::TVerification::Rejected);
    EXPECT_EQ(all[2].Verification, world::TVerification::Verified);
    const auto verified = store->Top(10, true);
    ASSERT_EQ(verified.size(), 1u);
    EXPECT_EQ(verified[0].Id, *second);
    EXPECT_EQ(verified[0].ReceivedAt, 2000);
}

TEST(ResultStore, SqlitePairsReplaysWithResults) {
    const worldtest::TTemporaryFolder folder;
    CheckReplayPairing(folder.SqliteUrl());
}

TEST(ResultStore, PostgresPairsReplaysWithResults) {
    const worldtest::TPostgresCluster cluster;
    CheckReplayPairing(cluster.Url());
}

}  // namespace
