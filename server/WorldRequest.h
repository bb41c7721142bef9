#pragma once
// What a request to the world server asks for, read from its path and raw query string. The
// query is taken as the game writes it: parameters separated by "&", no percent escapes (the
// result code is made of URL-safe characters only), each parameter exactly once.

#include <optional>
#include <string_view>
#include <variant>

#include "resultcode/ResultMessage.h"

namespace world {

// The path both kinds of request go to.
inline constexpr std::string_view WorldPath = "/cgi/version.pl";
// Longer than the query of any valid request (about 140 characters); the server refuses longer
// ones before parsing them.
inline constexpr size_t MaxQueryLength = 512;

struct TShowPageRequest {
    bool VerifiedOnly = false;  // "&verified=1": only results whose replay re-ran to them
};
struct TSubmitRequest {
    resultcode::TWorldResult Result;
};

using TWorldRequest = std::variant<TShowPageRequest, TSubmitRequest>;

// The request behind path and query, or nullopt when it is neither
//     hs&prg=Zorvex&inf=<code of a valid result message>
// nor
//     prg=Zorvex&show&type=0    (optionally with &verified=1)
// (parameters in any order, each exactly once, nothing else).
std::optional<TWorldRequest> ParseWorldRequest(std::string_view path, std::string_view query);

}  // namespace world
