#include "server/SqliteResultStore.h"

namespace world {

TSqliteResultStore::TSqliteResultStore(const std::string& path) {
    sqlite3* database = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &database,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database.reset(database);  // closes it even when opening failed
    if (opened != SQLITE_OK)
        Fail("cannot open " + path);
    // Another process on the same file (a second server) waits for its turn instead of failing.
    sqlite3_busy_timeout(database, 5000);
    Execute("PRAGMA journal_mode = WAL");
    // FULL: a result is answered as stored only once it would survive a power cut.
    Execute("PRAGMA synchronous = FULL");
    Execute(
        "CREATE TABLE IF NOT EXISTS world_results ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " name TEXT NOT NULL,"
        " score INTEGER NOT NULL,"
        " country TEXT NOT NULL,"
        " received_at INTEGER NOT NULL)");
    Execute(
        "CREATE INDEX IF NOT EXISTS world_results_rank"
        " ON world_results (score DESC, received_at, id)");
    Insert = Prepare(
        "INSERT INTO world_results (name, score, country, received_at) VALUES (?1, ?2, ?3, ?4)");
    SelectTop = Prepare(
        "SELECT name, score, country, received_at FROM world_results"
        " ORDER BY score DESC, received_at, id LIMIT ?1");
}

void TSqliteResultStore::Add(const resultcode::TWorldResult& result, int64_t receivedAt) {
    const std::lock_guard lock(Mutex);
    sqlite3_stmt* insert = Insert.get();
    sqlite3_reset(insert);
    sqlite3_bind_text(insert, 1, result.Name.data(), int(result.Name.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 2, result.Score);
    sqlite3_bind_text(insert, 3, result.Country.data(), int(result.Country.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_int64(insert, 4, receivedAt);
    if (sqlite3_step(insert) != SQLITE_DONE)
        Fail("cannot store a result");
}

std::vector<TStoredResult> TSqliteResultStore::Top(size_t count) {
    const std::lock_guard lock(Mutex);
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
        Fail("cannot read the results");
    return results;
}

TSqliteResultStore::TStatement TSqliteResultStore::Prepare(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(Database.get(), sql, -1, &statement, nullptr) != SQLITE_OK)
        Fail(std::string("cannot prepare ") + sql);
    return TStatement(statement);
}

void TSqliteResultStore::Execute(const char* sql) {
    const TStatement statement = Prepare(sql);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (step != SQLITE_DONE)
        Fail(std::string("cannot run ") + sql);
}

void TSqliteResultStore::Fail(const std::string& what) {
    throw TStoreError("sqlite: " + what + ": " + sqlite3_errmsg(Database.get()));
}

}  // namespace world
