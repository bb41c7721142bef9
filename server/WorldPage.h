#pragma once
// The world high-score page: one HTML table of the best results, place, name, score, country and
// the date received (UTC). Every stored text is escaped, whatever the store returns.

#include <string>
#include <string_view>
#include <vector>

#include "server/ResultStore.h"

namespace world {

// How many results the page lists.
inline constexpr size_t WorldPageSize = 100;

// text with &, <, >, " and ' written as character references.
std::string EscapeHtml(std::string_view text);

// The page for results, already in order, best first; with a "Play in your browser" link to
// playLink when that is not empty.
std::string RenderWorldPage(const std::vector<TStoredResult>& results,
                            std::string_view playLink = {});

}  // namespace world
