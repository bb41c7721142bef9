#pragma once
// Where the world server keeps the results it accepted. Two backends implement it: SQLite for one
// machine and PostgreSQL for several server processes sharing one database. Every call may come
// from any of the server's worker threads at once; the backends make that safe.

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "resultcode/ResultMessage.h"

namespace world {

// What the server knows of a result's play. Verified: the game's replay, re-run with the game's
// own rules, sent this very result. Rejected: its replay did not (damaged, another rules
// version, another score, over the re-run's limits).
enum class TVerification { Unverified = 0, Pending = 1, Verified = 2, Rejected = 3 };

// The state stored as a number; anything unknown counts as unverified.
TVerification VerificationOf(int64_t stored);

struct TStoredResult {
    resultcode::TWorldResult Result;
    int64_t ReceivedAt = 0;  // Unix time, seconds
    int64_t Id = 0;          // the result's number; its replay, if any, is downloaded by it
    TVerification Verification = TVerification::Unverified;
};

// A replay waiting for its verdict: the result it was sent with, and the file.
struct TReplayJob {
    int64_t ResultId = 0;
    resultcode::TWorldResult Claimed;
    std::string File;
};

struct TStoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TResultStore {
public:
    virtual ~TResultStore() = default;

    // Stores result, received at receivedAt (Unix seconds), and returns only once it is committed.
    // Throws TStoreError when it could not be stored.
    virtual void Add(const resultcode::TWorldResult& result, int64_t receivedAt) = 0;

    // The best count results, or of the verified ones only: highest score first, then the one
    // received earlier, then the one stored first. Throws TStoreError.
    virtual std::vector<TStoredResult> Top(size_t count, bool verifiedOnly) = 0;
    std::vector<TStoredResult> Top(size_t count) { return Top(count, false); }

    // Pairs replay with the latest result equal to result, received at since or later, that has
    // no replay yet; the pair is pending verification. Returns the result's id, or nullopt when
    // no such result is stored. Throws TStoreError.
    virtual std::optional<int64_t> AttachReplay(const resultcode::TWorldResult& result,
                                                int64_t since, const std::string& replay) = 0;
    // The verdict on the replay of result id, with the reason of a rejection. Throws TStoreError.
    virtual void RecordVerdict(int64_t id, TVerification verdict, const std::string& reason) = 0;
    // The replay file of result id, or nullopt when it has none. Throws TStoreError.
    virtual std::optional<std::string> Replay(int64_t id) = 0;
    // Up to count replays still pending, the oldest first: a server that stopped before their
    // verdicts queues them again when it starts. Throws TStoreError.
    virtual std::vector<TReplayJob> PendingReplays(size_t count) = 0;
};

// The store a database URL names: "sqlite:PATH" (the file is created when missing) or
// "postgresql://..." / "postgres://..." (a libpq connection URI). Creates the table when it is
// missing. Throws TStoreError for another scheme or when the database cannot be opened.
std::unique_ptr<TResultStore> OpenResultStore(const std::string& url);

}  // namespace world
