#include "server/SqliteResultStore.h"

namespace world {

namespace {

// A writer of another process on the same file is waited for this long; readers never wait.
constexpr int WriterBusyTimeoutMs = 5000;
// A reader waits only while another connection recovers the log after a crash.
constexpr int ReaderBusyTimeoutMs = 1000;

}  // namespace

TSqliteResultStore::TSqliteResultStore(const std::string& path)
    : Writer(Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
    sqlite3* database = Writer.get();
    sqlite3_busy_timeout(database, WriterBusyTimeoutMs);
    Execute(database, "PRAGMA journal_mode = WAL");
    // FULL: a result is answered as stored only once it would survive a power cut.
    Execute(database, "PRAGMA synchronous = FULL");
    Execute(database,
            "CREATE TABLE IF NOT EXISTS world_results ("
            " id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " name TEXT NOT NULL,"
            " score INTEGER NOT NULL,"
            " country TEXT NOT NULL,"
            " received_at INTEGER NOT NULL)");
    Execute(database,
            "CREATE INDEX IF NOT EXISTS world_results_rank"
            " ON world_results (score DESC, received_at, id)");
    Insert = Prepare(
        database,
        "INSERT INTO world_results (name, score, country, received_at) VALUES (?1, ?2, ?3, ?4)");
    // Opened once the table exists; WAL mode is a property of the file, so it reads from the log.
    Reader = Open(path, SQLITE_OPEN_READONLY);
    sqlite3_busy_timeout(Reader.get(), ReaderBusyTimeoutMs);
    SelectTop = Prepare(Reader.get(),
                        "SELECT name, score, country, received_at FROM world_results"
                        " ORDER BY score DESC, received_at, id LIMIT ?1");
}

void TSqliteResultStore::Add(const resultcode::TWorldResult& result, int64_t receivedAt) {
    std::unique_lock lock(BatchMutex);
    if (!OpenBatch)
        OpenBatch = std::make_shared<TBatch>();
    const std::shared_ptr<TBatch> mine = OpenBatch;
    mine->Results.emplace_back(result, receivedAt);
    BatchEnded.wait(lock, [&] { return mine->Done || !Writing; });
    if (!mine->Done) {
        // Nobody is writing: this thread commits every result that came in meanwhile, its own
        // among them, in one transaction and one sync.
        Writing = true;
        OpenBatch.reset();
        lock.unlock();
        std::string error;
        try {
            Write(mine->Results);
        } catch (const TStoreError& failure) {
            error = failure.what();
        }
        lock.lock();
        mine->Done = true;
        mine->Error = error;
        Writing = false;
        BatchEnded.notify_all();
    }
    if (!mine->Error.empty())
        throw TStoreError(mine->Error);
}

void TSqliteResultStore::Write(
    const std::vector<std::pair<resultcode::TWorldResult, int64_t>>& batch) {
    sqlite3* database = Writer.get();
    Execute(database, "BEGIN IMMEDIATE");
    sqlite3_stmt* insert = Insert.get();
    for (const auto& [result, receivedAt] : batch) {
        sqlite3_reset(insert);
        sqlite3_bind_text(insert, 1, result.Name.data(), int(result.Name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 2, result.Score);
        sqlite3_bind_text(insert, 3, result.Country.data(), int(result.Country.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_int64(insert, 4, receivedAt);
        if (sqlite3_step(insert) != SQLITE_DONE) {
            const std::string message = sqlite3_errmsg(database);
            sqlite3_reset(insert);
            sqlite3_exec(database, "ROLLBACK", nullptr, nullptr, nullptr);
            throw TStoreError("sqlite: cannot store a result: " + message);
        }
    }
    sqlite3_reset(insert);
    if (sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(database);
        sqlite3_exec(database, "ROLLBACK", nullptr, nullptr, nullptr);
        throw TStoreError("sqlite: cannot commit results: " + message);
    }
}

std::vector<TStoredResult> TSqliteResultStore::Top(size_t count) {
    const std::lock_guard lock(ReadMutex);
    sqlite3_stmt* select = SelectTop.get();
    sqlite3_reset(select);
    sqlite3_bind_int64(select, 1, int64_t(count));
    std::vector<TStoredResult> results;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select)) == SQLITE_ROW) {
        const auto text = [&](int column) {
            return std::string(reinterpret_cast<const char*>(sqlite3_column_text(select, column)),
                               size_t(sqlite3_column_bytes(select, column)));
        };
        results.push_back(
            {{text(0), sqlite3_column_int(select, 1), text(2)}, sqlite3_column_int64(select, 3)});
    }
    if (step != SQLITE_DONE)
        Fail(Reader.get(), "cannot read the results");
    return results;
}

TSqliteResultStore::TDatabase TSqliteResultStore::Open(const std::string& path, int flags) {
    sqlite3* database = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &database, flags, nullptr);
    TDatabase owned(database);  // closes it even when opening failed
    if (opened != SQLITE_OK)
        Fail(database, "cannot open " + path);
    return owned;
}

TSqliteResultStore::TStatement TSqliteResultStore::Prepare(sqlite3* database, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(database, sql, -1, &statement, nullptr) != SQLITE_OK)
        Fail(database, std::string("cannot prepare ") + sql);
    return TStatement(statement);
}

void TSqliteResultStore::Execute(sqlite3* database, const char* sql) {
    const TStatement statement = Prepare(database, sql);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (step != SQLITE_DONE)
        Fail(database, std::string("cannot run ") + sql);
}

void TSqliteResultStore::Fail(sqlite3* database, const std::string& what) {
    throw TStoreError("sqlite: " + what + ": " + sqlite3_errmsg(database));
}

}  // namespace world
