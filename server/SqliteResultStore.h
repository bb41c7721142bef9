#pragma once
// The embedded store: one SQLite file in write-ahead-log mode, created on first start. One
// connection serves every thread, one statement at a time; a result is on disk (fsync'ed) before
// Add returns.

#include <sqlite3.h>

#include <memory>
#include <mutex>
#include <string>

#include "server/ResultStore.h"

namespace world {

class TSqliteResultStore : public TResultStore {
public:
    explicit TSqliteResultStore(const std::string& path);

    void Add(const resultcode::TWorldResult& result, int64_t receivedAt) override;
    using TResultStore::Top;
    std::vector<TStoredResult> Top(size_t count, bool verifiedOnly) override;
    std::optional<int64_t> AttachReplay(const resultcode::TWorldResult& result, int64_t since,
                                        const std::string& replay) override;
    void RecordVerdict(int64_t id, TVerification verdict, const std::string& reason) override;
    std::optional<std::string> Replay(int64_t id) override;
    std::vector<TReplayJob> PendingReplays(size_t count) override;

private:
    struct TCloseDatabase {
        void operator()(sqlite3* database) const { sqlite3_close(database); }
    };
    struct TFinalize {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    using TStatement = std::unique_ptr<sqlite3_stmt, TFinalize>;

    TStatement Prepare(const char* sql);
    // Runs a statement without parameters to its end.
    void Execute(const char* sql);
    [[noreturn]] void Fail(const std::string& what);

    std::mutex Mutex;
    std::unique_ptr<sqlite3, TCloseDatabase> Database;  // declared before the statements it owns
    TStatement Insert;
    TStatement SelectTop;
    TStatement SelectTopVerified;
    TStatement InsertReplay;
    TStatement UpdateVerdict;
    TStatement SelectReplay;
    TStatement SelectPending;
};

}  // namespace world
