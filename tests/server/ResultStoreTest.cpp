// The ranking the page relies on, straight from the SQLite store: score, then time received, then
// arrival; at most the count asked for; and a second opening of the file sees the same.

#include <gtest/gtest.h>

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
