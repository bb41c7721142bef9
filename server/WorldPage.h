#pragma once
// The world high-score page: one HTML table of the best results, place, name, score, country, the
// date received (UTC), and whether the result's replay verified it, with a link to the replay.
// Every stored text is escaped, whatever the store returns.

#include <string>
#include <string_view>
#include <vector>

#include "server/ResultStore.h"

namespace world {

// How many results the page lists.
inline constexpr size_t WorldPageSize = 100;

// text with &, <, >, " and ' written as character references.
std::string EscapeHtml(std::string_view text);

// The page for results, already in order, best first; verifiedOnly: they are the verified ones.
// With a "Play in your browser" link to playLink when that is not empty.
std::string RenderWorldPage(const std::vector<TStoredResult>& results, bool verifiedOnly = false,
                            std::string_view playLink = {});

}  // namespace world
