#pragma once
// The embedded store: one SQLite file in write-ahead-log mode, created on first start. Results are
// written through one connection, those that arrive while a commit runs together in the next
// transaction (one sync for all), and are on disk (fsync'ed) before Add returns;
// the page is read through a second, read-only connection, which in WAL mode never waits for a
// write (nor for another process's write lock).

#include <sqlite3.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "server/ResultStore.h"

namespace world {

class TSqliteResultStore : public TResultStore {
public:
    explicit TSqliteResultStore(const std::string& path);

    void Add(const resultcode::TWorldResult& result, int64_t receivedAt) override;
    std::vector<TStoredResult> Top(size_t count) override;

private:
    struct TCloseDatabase {
        void operator()(sqlite3* database) const { sqlite3_close(database); }
    };
    struct TFinalize {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    using TStatement = std::unique_ptr<sqlite3_stmt, TFinalize>;

    using TDatabase = std::unique_ptr<sqlite3, TCloseDatabase>;

    // path opened with flags; throws TStoreError.
    static TDatabase Open(const std::string& path, int flags);
    static TStatement Prepare(sqlite3* database, const char* sql);
    // Runs a statement without parameters to its end.
    static void Execute(sqlite3* database, const char* sql);
    [[noreturn]] static void Fail(sqlite3* database, const std::string& what);

    // Results waiting for one commit; each Add waits until its batch is written.
    struct TBatch {
        std::vector<std::pair<resultcode::TWorldResult, int64_t>> Results;
        bool Done = false;
        std::string Error;  // why the batch was not stored; empty when it was
    };

    // Stores batch in one transaction; throws TStoreError, having stored none of it.
    void Write(const std::vector<std::pair<resultcode::TWorldResult, int64_t>>& batch);

    std::mutex BatchMutex;
    std::condition_variable BatchEnded;
    std::shared_ptr<TBatch> OpenBatch;  // the one new results join
    bool Writing = false;               // a thread is writing a batch
    TDatabase Writer;                   // declared before the statements it owns
    TStatement Insert;
    std::mutex ReadMutex;
    TDatabase Reader;
    TStatement SelectTop;
};

}  // namespace world
