#pragma once
// The two replay routes, free of the transport (server/HttpExchange.h):
//     POST /replay?inf=<code of a result already sent>   the game's replay file as the body
//     GET  /replay?id=<result id>                          the stored replay file
// An upload is paired with the latest matching result sent in the last PairingWindowSeconds,
// queued for verification and answered 202 at once.

#include <cstdint>

#include "server/HttpExchange.h"
#include "server/ReplayVerifier.h"
#include "server/ResultStore.h"

namespace world {

inline constexpr std::string_view ReplayPath = "/replay";
// A ten-level game's replay takes a few kilobytes; a bigger body is refused (413).
inline constexpr size_t MaxReplayUploadBytes = 64 * 1024;
// The game sends the replay right after the result; a result older than this takes none.
inline constexpr int64_t PairingWindowSeconds = 600;

THttpAnswer AnswerReplayUpload(const THttpRequest& request, TResultStore& store,
                               TReplayVerifier& verifier, int64_t now);
THttpAnswer AnswerReplayDownload(const THttpRequest& request, TResultStore& store);

}  // namespace world
