#include "server/WorldRequest.h"

#include <algorithm>
#include <array>
#include <vector>

#include "resultcode/ResultCode.h"

namespace world {

namespace {

constexpr std::string_view ProgramName = "Zorvex";

struct TParameter {
    std::string_view Name;
    std::optional<std::string_view> Value;  // nullopt for a bare name without "="

    bool operator==(const TParameter&) const = default;
};

// The "&"-separated parameters of query; an empty one (as in "a&&b") is kept, so it is refused.
std::vector<TParameter> SplitQuery(std::string_view query) {
    std::vector<TParameter> parameters;
    while (true) {
        const size_t amp = query.find('&');
        const std::string_view item = query.substr(0, amp);
        const size_t equals = item.find('=');
        if (equals == std::string_view::npos)
            parameters.push_back({item, std::nullopt});
        else
            parameters.push_back({item.substr(0, equals), item.substr(equals + 1)});
        if (amp == std::string_view::npos)
            return parameters;
        query.remove_prefix(amp + 1);
    }
}

// The first parameter named name, or nullptr.
const TParameter* Find(const std::vector<TParameter>& parameters, std::string_view name) {
    const auto it = std::find_if(parameters.begin(), parameters.end(),
                                 [&](const TParameter& p) { return p.Name == name; });
    return it == parameters.end() ? nullptr : &*it;
}

// True when parameters are exactly the given ones (of distinct names), in any order, each value as
// given: with as many parameters as wanted and every wanted one found, none is left over.
template <size_t N>
bool AreExactly(const std::vector<TParameter>& parameters, const std::array<TParameter, N>& want) {
    return parameters.size() == N && std::all_of(want.begin(), want.end(), [&](const auto& w) {
               const TParameter* found = Find(parameters, w.Name);
               return found && *found == w;
           });
}

}  // namespace

std::optional<TWorldRequest> ParseWorldRequest(std::string_view path, std::string_view query) {
    // Both kinds have exactly three parameters; the page of verified results one more.
    const auto separators = std::count(query.begin(), query.end(), '&');
    if (path != WorldPath || separators < 2 || separators > 3)
        return std::nullopt;
    const std::vector<TParameter> parameters = SplitQuery(query);
    const std::array<TParameter, 4> verifiedPage = {
        {{"prg", ProgramName}, {"show", std::nullopt}, {"type", "0"}, {"verified", "1"}}};
    if (AreExactly(parameters, verifiedPage))
        return TShowPageRequest{true};

    const std::array<TParameter, 3> showPage = {
        {{"prg", ProgramName}, {"show", std::nullopt}, {"type", "0"}}};
    if (AreExactly(parameters, showPage))
        return TShowPageRequest{};

    const TParameter* code = Find(parameters, "inf");
    if (!code || !code->Value)
        return std::nullopt;
    const std::array<TParameter, 3> submit = {
        {{"hs", std::nullopt}, {"prg", ProgramName}, {"inf", code->Value}}};
    if (!AreExactly(parameters, submit))
        return std::nullopt;
    const auto message = resultcode::Decode(*code->Value);
    const auto result = message ? resultcode::ParseMessage(*message) : std::nullopt;
    if (!result)
        return std::nullopt;
    return TSubmitRequest{*result};
}

}  // namespace world
