#pragma once
// The shared store: a PostgreSQL database reached through libpq, so that several server processes
// (behind any HTTP load balancer) keep one table. Each worker thread borrows a connection of a
// small pool, whose statements are prepared when it connects; a result is committed before Add
// returns.

#include <libpq-fe.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "server/ResultStore.h"

namespace world {

class TPostgresResultStore : public TResultStore {
public:
    // url: a libpq connection URI. Connects once, creating the table when missing.
    explicit TPostgresResultStore(std::string url);

    void Add(const resultcode::TWorldResult& result, int64_t receivedAt) override;
    using TResultStore::Top;
    std::vector<TStoredResult> Top(size_t count, bool verifiedOnly) override;
    std::optional<int64_t> AttachReplay(const resultcode::TWorldResult& result, int64_t since,
                                        const std::string& replay) override;
    void RecordVerdict(int64_t id, TVerification verdict, const std::string& reason) override;
    std::optional<std::string> Replay(int64_t id) override;
    std::vector<TReplayJob> PendingReplays(size_t count) override;

private:
    struct TFinish {
        void operator()(PGconn* connection) const { PQfinish(connection); }
    };
    using TConnection = std::unique_ptr<PGconn, TFinish>;
    struct TClear {
        void operator()(PGresult* result) const { PQclear(result); }
    };
    using TResult = std::unique_ptr<PGresult, TClear>;

    // A connection taken from the pool for one call, given back unless it broke.
    class TLease;

    // A new connection, with the statements prepared unless prepare is false.
    TConnection Connect(bool prepare = true) const;
    // Runs prepared statement name with text parameters; throws unless it returned want.
    static TResult Run(PGconn* connection, const char* name, const std::vector<std::string>& values,
                       ExecStatusType want);

    const std::string Url;
    std::mutex Mutex;
    std::vector<TConnection> Idle;
};

}  // namespace world
