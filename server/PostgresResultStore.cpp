#include "server/PostgresResultStore.h"

#include <charconv>
#include <string_view>
#include <tuple>

namespace world {

namespace {

// Creating the table and its index is serialised by a transaction-level advisory lock, so that
// servers starting together on an empty database do not trip over each other's CREATE.
constexpr const char* CreateSchema =
    "BEGIN;"
    "SELECT pg_advisory_xact_lock(471112);"
    "CREATE TABLE IF NOT EXISTS world_results ("
    " id BIGSERIAL PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " score INTEGER NOT NULL,"
    " country TEXT NOT NULL,"
    " received_at BIGINT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS world_results_rank ON world_results (score DESC, received_at, id);"
    "COMMIT;";

constexpr const char* InsertName = "insert_result";
constexpr const char* InsertSql =
    "INSERT INTO world_results (name, score, country, received_at) VALUES ($1, $2, $3, $4)";
constexpr const char* TopName = "select_top";
constexpr const char* TopSql =
    "SELECT name, score, country, received_at FROM world_results"
    " ORDER BY score DESC, received_at, id LIMIT $1";

[[noreturn]] void Fail(const std::string& what, PGconn* connection) {
    throw TStoreError("postgresql: " + what + ": " + PQerrorMessage(connection));
}

template <typename T>
T ParseNumber(const char* text) {
    const std::string_view digits = text;
    T value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        throw TStoreError(std::string("postgresql: not a number: ") + text);
    return value;
}

}  // namespace

class TPostgresResultStore::TLease {
public:
    explicit TLease(TPostgresResultStore& store) : Store(store) {
        {
            const std::lock_guard lock(Store.Mutex);
            if (!Store.Idle.empty()) {
                Connection = std::move(Store.Idle.back());
                Store.Idle.pop_back();
            }
        }
        if (!Connection)
            Connection = Store.Connect();
    }
    ~TLease() {
        if (PQstatus(Connection.get()) != CONNECTION_OK)
            return;  // dropped; the next lease connects afresh
        const std::lock_guard lock(Store.Mutex);
        Store.Idle.push_back(std::move(Connection));
    }
    TLease(const TLease&) = delete;
    TLease& operator=(const TLease&) = delete;

    PGconn* Get() const { return Connection.get(); }

private:
    TPostgresResultStore& Store;
    TConnection Connection;
};

TPostgresResultStore::TPostgresResultStore(std::string url) : Url(std::move(url)) {
    {
        const TConnection connection = Connect(false);
        const TResult created(PQexec(connection.get(), CreateSchema));
        if (PQresultStatus(created.get()) != PGRES_COMMAND_OK)
            Fail("cannot create the table", connection.get());
    }
    Idle.push_back(Connect());
}

TPostgresResultStore::TConnection TPostgresResultStore::Connect(bool prepare) const {
    TConnection connection(PQconnectdb(Url.c_str()));
    if (PQstatus(connection.get()) != CONNECTION_OK)
        Fail("cannot connect", connection.get());
    if (!prepare)
        return connection;
    for (const auto& [name, sql, parameters] :
         {std::tuple{InsertName, InsertSql, 4}, std::tuple{TopName, TopSql, 1}}) {
        const TResult prepared(PQprepare(connection.get(), name, sql, parameters, nullptr));
        if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK)
            Fail(std::string("cannot prepare ") + sql, connection.get());
    }
    return connection;
}

TPostgresResultStore::TResult TPostgresResultStore::Run(PGconn* connection, const char* name,
                                                        const std::vector<std::string>& values,
                                                        ExecStatusType want) {
    std::vector<const char*> pointers;
    for (const std::string& value : values)
        pointers.push_back(value.c_str());
    TResult result(PQexecPrepared(connection, name, int(pointers.size()), pointers.data(), nullptr,
                                  nullptr, 0));
    if (PQresultStatus(result.get()) != want)
        Fail(std::string("cannot run ") + name, connection);
    return result;
}

void TPostgresResultStore::Add(const resultcode::TWorldResult& result, int64_t receivedAt) {
    const TLease lease(*this);
    // One statement outside a transaction block commits on its own before the answer comes.
    Run(lease.Get(), InsertName,
        {result.Name, std::to_string(result.Score), result.Country, std::to_string(receivedAt)},
        PGRES_COMMAND_OK);
}

std::vector<TStoredResult> TPostgresResultStore::Top(size_t count) {
    const TLease lease(*this);
    const TResult rows = Run(lease.Get(), TopName, {std::to_string(count)}, PGRES_TUPLES_OK);
    std::vector<TStoredResult> results;
    for (int row = 0; row < PQntuples(rows.get()); ++row) {
        const auto value = [&](int column) { return PQgetvalue(rows.get(), row, column); };
        results.push_back(
            {{value(0), ParseNumber<int32_t>(value(1)), value(2)}, ParseNumber<int64_t>(value(3))});
    }
    return results;
}

}  // namespace world
