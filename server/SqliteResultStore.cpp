#include "server/SqliteResultStore.h"

namespace world {

namespace {

// A writer of another process on the same file is waited for this long; readers never wait.
constexpr int WriterBusyTimeoutMs = 5000;
// A reader waits only while another connection recovers the log after a crash.
constexpr int ReaderBusyTimeoutMs = 1000;

// A result as the parameters 1, 2 and 3 of statement: name, score, country.
void BindResult(sqlite3_stmt* statement, const resultcode::TWorldResult& result) {
    sqlite3_reset(statement);
    sqlite3_bind_text(statement, 1, result.Name.data(), int(result.Name.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(statement, 2, result.Score);
    sqlite3_bind_text(statement, 3, result.Country.data(), int(result.Country.size()),
                      SQLITE_TRANSIENT);
}

std::string BlobColumn(sqlite3_stmt* statement, int column) {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return std::string(data ? data : "", size_t(sqlite3_column_bytes(statement, column)));
}

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
    // A table of its own, so a database from before replays needs no change to its results.
    // state: a TVerification.
    Execute(database,
            "CREATE TABLE IF NOT EXISTS world_replays ("
            " result_id INTEGER PRIMARY KEY REFERENCES world_results (id),"
            " replay BLOB NOT NULL,"
            " state INTEGER NOT NULL,"
            " reason TEXT NOT NULL)");
    Insert = Prepare(
        database,
        "INSERT INTO world_results (name, score, country, received_at) VALUES (?1, ?2, ?3, ?4)");
    InsertReplay =
        Prepare(database,
                "INSERT INTO world_replays (result_id, replay, state, reason)"
                " SELECT w.id, ?5, 1, '' FROM world_results w"
                " WHERE w.name = ?1 AND w.score = ?2 AND w.country = ?3 AND w.received_at >= ?4"
                " AND NOT EXISTS (SELECT 1 FROM world_replays r WHERE r.result_id = w.id)"
                " ORDER BY w.id DESC LIMIT 1");
    UpdateVerdict =
        Prepare(database, "UPDATE world_replays SET state = ?2, reason = ?3 WHERE result_id = ?1");
    // Opened once the tables exist; WAL mode is a property of the file, so it reads from the log.
    Reader = Open(path, SQLITE_OPEN_READONLY);
    sqlite3* reader = Reader.get();
    sqlite3_busy_timeout(reader, ReaderBusyTimeoutMs);
    SelectTop =
        Prepare(reader,
                "SELECT w.name, w.score, w.country, w.received_at, w.id, COALESCE(r.state, 0)"
                " FROM world_results w LEFT JOIN world_replays r ON r.result_id = w.id"
                " ORDER BY w.score DESC, w.received_at, w.id LIMIT ?1");
    SelectTopVerified =
        Prepare(reader,
                "SELECT w.name, w.score, w.country, w.received_at, w.id, r.state"
                " FROM world_results w JOIN world_replays r ON r.result_id = w.id WHERE r.state = 2"
                " ORDER BY w.score DESC, w.received_at, w.id LIMIT ?1");
    SelectReplay = Prepare(reader, "SELECT replay FROM world_replays WHERE result_id = ?1");
    SelectPending =
        Prepare(reader,
                "SELECT w.id, w.name, w.score, w.country, r.replay"
                " FROM world_replays r JOIN world_results w ON w.id = r.result_id WHERE r.state = 1"
                " ORDER BY w.id LIMIT ?1");
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
    const std::lock_guard lock(WriterMutex);
    sqlite3* database = Writer.get();
    Execute(database, "BEGIN IMMEDIATE");
    sqlite3_stmt* insert = Insert.get();
    for (const auto& [result, receivedAt] : batch) {
        BindResult(insert, result);
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

std::vector<TStoredResult> TSqliteResultStore::Top(size_t count, bool verifiedOnly) {
    const std::lock_guard lock(ReadMutex);
    sqlite3_stmt* select = verifiedOnly ? SelectTopVerified.get() : SelectTop.get();
    sqlite3_reset(select);
    sqlite3_bind_int64(select, 1, int64_t(count));
    std::vector<TStoredResult> results;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select)) == SQLITE_ROW) {
        const auto text = [&](int column) {
            return std::string(reinterpret_cast<const char*>(sqlite3_column_text(select, column)),
                               size_t(sqlite3_column_bytes(select, column)));
        };
        results.push_back({{text(0), sqlite3_column_int(select, 1), text(2)},
                           sqlite3_column_int64(select, 3),
                           sqlite3_column_int64(select, 4),
                           VerificationOf(sqlite3_column_int(select, 5))});
    }
    if (step != SQLITE_DONE)
        Fail(Reader.get(), "cannot read the results");
    return results;
}

std::optional<int64_t> TSqliteResultStore::AttachReplay(const resultcode::TWorldResult& result,
                                                        int64_t since, const std::string& replay) {
    const std::lock_guard lock(WriterMutex);
    sqlite3* database = Writer.get();
    sqlite3_stmt* insert = InsertReplay.get();
    BindResult(insert, result);
    sqlite3_bind_int64(insert, 4, since);
    sqlite3_bind_blob(insert, 5, replay.data(), int(replay.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(insert) != SQLITE_DONE)
        Fail(database, "cannot store a replay");
    if (sqlite3_changes(database) == 0)
        return std::nullopt;
    return sqlite3_last_insert_rowid(database);
}

void TSqliteResultStore::RecordVerdict(int64_t id, TVerification verdict,
                                       const std::string& reason) {
    const std::lock_guard lock(WriterMutex);
    sqlite3_stmt* update = UpdateVerdict.get();
    sqlite3_reset(update);
    sqlite3_bind_int64(update, 1, id);
    sqlite3_bind_int(update, 2, static_cast<int>(verdict));
    sqlite3_bind_text(update, 3, reason.data(), int(reason.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(update) != SQLITE_DONE)
        Fail(Writer.get(), "cannot record a verdict");
}

std::optional<std::string> TSqliteResultStore::Replay(int64_t id) {
    const std::lock_guard lock(ReadMutex);
    sqlite3_stmt* select = SelectReplay.get();
    sqlite3_reset(select);
    sqlite3_bind_int64(select, 1, id);
    const int step = sqlite3_step(select);
    if (step == SQLITE_DONE)
        return std::nullopt;
    if (step != SQLITE_ROW)
        Fail(Reader.get(), "cannot read a replay");
    return BlobColumn(select, 0);
}

std::vector<TReplayJob> TSqliteResultStore::PendingReplays(size_t count) {
    const std::lock_guard lock(ReadMutex);
    sqlite3_stmt* select = SelectPending.get();
    sqlite3_reset(select);
    sqlite3_bind_int64(select, 1, int64_t(count));
    std::vector<TReplayJob> jobs;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select)) == SQLITE_ROW) {
        jobs.push_back(
            {sqlite3_column_int64(select, 0),
             {BlobColumn(select, 1), sqlite3_column_int(select, 2), BlobColumn(select, 3)},
             BlobColumn(select, 4)});
    }
    if (step != SQLITE_DONE)
        Fail(Reader.get(), "cannot read the pending replays");
    return jobs;
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
