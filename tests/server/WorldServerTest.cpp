// The real server on loopback, on a fresh SQLite file: what reaches it over a socket.

#include <gtest/gtest.h>

#include "server/TemporaryFolder.h"
#include "server/WorldLoad.h"
#include "server/WorldServerProcess.h"

namespace {

using worldtest::TWorldServerProcess;

TEST(WorldServer, RefusesHostileRequestsAndStoresHarmlessNamesVerbatim) {
    const worldtest::TTemporaryFolder folder;
    TWorldServerProcess server(folder.SqliteUrl());
    const std::string good = worldtest::SubmitTarget({"Good", 5, "Here"});
    const std::string longQuery = good + "&" + std::string(600, 'Q');
    EXPECT_EQ(server.Get(longQuery).Status, 414);
    EXPECT_EQ(server.Get(good + std::string(9000, 'Q')).Status, 414);  // over the library's limit
    EXPECT_EQ(server.Get("/cgi/version.pl?hs&prg=Zorvex&inf=%51%37").Status, 400);
    EXPECT_EQ(server.Get("/index.html").Status, 404);
    EXPECT_EQ(server.Get(good.substr(0, good.size() - 8)).Status, 400);
    const int port = server.Port();
    EXPECT_EQ(worldtest::Exchange(port, "POST " + good +
                                            " HTTP/1.1\r\nHost: a\r\nContent-Length: 2"
                                            "\r\n\r\nhi")
                  .Status,
              413);
    EXPECT_EQ(worldtest::Exchange(port, "GET " + good +
                                            " HTTP/1.1\r\nHost: a\r\nContent-Length: 5"
                                            "\r\n\r\nhello")
                  .Status,
              413);
    EXPECT_GE(worldtest::Exchange(port,
                                  "GET /cgi/version.pl?hs&prg=Zorvex&inf=\x01\xff\x80"
                                  " HTTP/1.1\r\nHost: a\r\n\r\n")
                  .Status,
              400);
    std::string manyHeaders = "GET " + good + " HTTP/1.1\r\nHost: a\r\n";
    for (int i = 0; i < 100; ++i)
        manyHeaders += "X-" + std::to_string(i) + ": 1\r\n";
    EXPECT_EQ(worldtest::Exchange(port, manyHeaders + "\r\n").Status, 431);
    // Nothing so far was stored; these words are just a name and a country here.
    EXPECT_EQ(server.Get(worldtest::SubmitTarget({"DROP TABLE x", 9, "OR 1 1"})).Status, 200);
    const worldtest::TAnswer page = server.Get(worldtest::WorldPageTarget);
    EXPECT_EQ(page.Status, 200);
    EXPECT_NE(page.Body.find("<td>1</td><td>DROP TABLE x</td><td>9</td><td>OR 1 1</td>"),
              std::string::npos)
        << page.Body;
    EXPECT_EQ(page.Body.find("<td>2</td>"), std::string::npos) << page.Body;
    EXPECT_EQ(server.Stop(), 0);
}

TEST(WorldServer, LimitsRequestsPerAddressPerMinute) {
    const unsigned limit = 3;
    const worldtest::TTemporaryFolder folder;
    TWorldServerProcess server(folder.SqliteUrl(), limit);
    // 2 * limit + 1 requests span at most one minute boundary, so at least one is over the limit.
    std::vector<int> statuses;
    for (unsigned i = 0; i < 2 * limit + 1; ++i)
        statuses.push_back(server.Get(worldtest::WorldPageTarget).Status);
    for (unsigned i = 0; i < limit; ++i)
        EXPECT_EQ(statuses[i], 200);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), 429), statuses.end());
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
