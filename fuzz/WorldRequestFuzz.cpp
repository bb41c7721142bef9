// Feeds arbitrary path and query bytes to the world server's request reader. Whatever it accepts
// as a result must be a valid result whose query the game would send exactly so.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "resultcode/ResultCode.h"
#include "server/WorldRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first line is the path, the rest the query.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const size_t newline = text.find('\n');
    const std::string_view path = text.substr(0, newline);
    const std::string_view query =
        newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    const auto request = world::ParseWorldRequest(path, query);
    if (!request || !std::holds_alternative<world::TSubmitRequest>(*request))
        return 0;
    const auto& result = std::get<world::TSubmitRequest>(*request).Result;
    const std::string code = resultcode::Encode(resultcode::BuildMessage(result));
    if (query.find("inf=" + code) == std::string_view::npos ||
        !resultcode::ParseMessage(resultcode::BuildMessage(result)))
        __builtin_trap();
    return 0;
}
