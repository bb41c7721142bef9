#include "server/ReplayRoutes.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <string_view>

#include "resultcode/ResultCode.h"

namespace world {

namespace {

// The value of the one parameter name in target's query, when the path is the replay path and
// the query holds exactly that parameter.
std::optional<std::string_view> OnlyParameter(std::string_view target, std::string_view name) {
    const size_t mark = target.find('?');
    if (mark == std::string_view::npos || target.substr(0, mark) != ReplayPath)
        return std::nullopt;
    const std::string_view query = target.substr(mark + 1);
    if (!query.starts_with(name) || query.size() <= name.size() || query[name.size()] != '=')
        return std::nullopt;
    const std::string_view value = query.substr(name.size() + 1);
    if (value.find('&') != std::string_view::npos)
        return std::nullopt;
    return value;
}

}  // namespace

THttpAnswer AnswerReplayUpload(const THttpRequest& request, TResultStore& store,
                               TReplayVerifier& verifier, int64_t now) {
    if (request.Method != "POST")
        return TextAnswer(405, "POST a replay\n");
    const auto code = OnlyParameter(request.Target, "inf");
    const auto message = code ? resultcode::Decode(*code) : std::nullopt;
    const auto result = message ? resultcode::ParseMessage(*message) : std::nullopt;
    if (!result || request.Body.empty())
        return TextAnswer(400, "Bad request\n");
    if (request.Body.size() > MaxReplayUploadBytes)
        return TextAnswer(413, "Replay too large\n");
    try {
        const auto id = store.AttachReplay(*result, now - PairingWindowSeconds, request.Body);
        if (!id)
            return TextAnswer(404, "No result to pair the replay with\n");
        if (!verifier.Enqueue({*id, *result, request.Body})) {
            store.RecordVerdict(*id, TVerification::Rejected, "the verification queue was full");
            return TextAnswer(503, "Too many replays waiting\n");
        }
        return TextAnswer(202, "Queued\n");
    } catch (const TStoreError& error) {
        std::cerr << "zorvex-world: " << error.what() << '\n';
        return TextAnswer(503, "Storage unavailable\n");
    }
}

THttpAnswer AnswerReplayDownload(const THttpRequest& request, TResultStore& store) {
    if (request.Method != "GET")
        return TextAnswer(405, "GET a replay\n");
    const auto digits = OnlyParameter(request.Target, "id");
    int64_t id = 0;
    if (!digits || digits->empty() || digits->size() > 18 ||
        std::from_chars(digits->data(), digits->data() + digits->size(), id).ptr !=
            digits->data() + digits->size() ||
        (*digits)[0] == '-')
        return TextAnswer(400, "Bad request\n");
    try {
        auto replay = store.Replay(id);
        if (!replay)
            return TextAnswer(404, "No such replay\n");
        THttpAnswer answer{.ContentType = "application/octet-stream", .Body = std::move(*replay)};
        answer.Headers.emplace_back("Content-Disposition", "attachment; filename=\"zorvex-" +
                                                               std::to_string(id) + ".zvr\"");
        return answer;
    } catch (const TStoreError& error) {
        std::cerr << "zorvex-world: " << error.what() << '\n';
        return TextAnswer(503, "Storage unavailable\n");
    }
}

}  // namespace world
