// The world page lists what the store returns in its order and escapes every text, so even a
// store that holds markup (written by something other than this server) cannot inject any.

#include <gtest/gtest.h>

#include "server/WorldPage.h"

namespace {

TEST(WorldPage, ListsInOrderAndEscapesEveryText) {
    const std::vector<world::TStoredResult> results = {
        {{"<script>alert('x')</script>", 900, "A&B \"C\""}, 0},
        {{"Second", -5, ""}, 86400LL * 365 * 30 + 86399},
    };
    const std::string page = world::RenderWorldPage(results);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(page.find("<td>1</td><td>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</td>"
                        "<td>900</td><td>A&amp;B &quot;C&quot;</td><td>1970-01-01</td>"),
              std::string::npos)
        << page;
    // 30 years of 365 days from 1970 is 1999-12-25 (seven leap days), its last second.
    EXPECT_NE(page.find("<td>2</td><td>Second</td><td>-5</td><td></td><td>1999-12-25</td>"),
              std::string::npos)
        << page;
}

}  // namespace
