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
    // Replays in a table of their own: a database from before them keeps its results as they are.
    // state: a TVerification.
    "CREATE TABLE IF NOT EXISTS world_replays ("
    " result_id BIGINT PRIMARY KEY REFERENCES world_results (id),"
    " replay BYTEA NOT NULL,"
    " state INTEGER NOT NULL,"
    " reason TEXT NOT NULL);"
    "COMMIT;";

constexpr const char* InsertName = "insert_result";
constexpr const char* InsertSql =
    "INSERT INTO world_results (name, score, country, received_at) VALUES ($1, $2, $3, $4)";
constexpr const char* TopName = "select_top";
constexpr const char* TopSql =
    "SELECT w.name, w.score, w.country, w.received_at, w.id, COALESCE(r.state, 0)"
    " FROM world_results w LEFT JOIN world_replays r ON r.result_id = w.id"
    " ORDER BY w.score DESC, w.received_at, w.id LIMIT $1";
constexpr const char* TopVerifiedName = "select_top_verified";
constexpr const char* TopVerifiedSql =
    "SELECT w.name, w.score, w.country, w.received_at, w.id, r.state"
    " FROM world_results w JOIN world_replays r ON r.result_id = w.id WHERE r.state = 2"
    " ORDER BY w.score DESC, w.received_at, w.id LIMIT $1";
// The replay travels as bytea's hex text ("\x..."), so every parameter stays text. Two servers
// pairing replays with the same result at once: the primary key lets one of them in.
constexpr const char* AttachName = "attach_replay";
constexpr const char* AttachSql =
    "INSERT INTO world_replays (result_id, replay, state, reason)"
    " SELECT w.id, $5::bytea, 1, '' FROM world_results w"
    " WHERE w.name = $1 AND w.score = $2 AND w.country = $3 AND w.received_at >= $4"
    " AND NOT EXISTS (SELECT 1 FROM world_replays r WHERE r.result_id = w.id)"
    " ORDER BY w.id DESC LIMIT 1 ON CONFLICT (result_id) DO NOTHING RETURNING result_id";
constexpr const char* VerdictName = "record_verdict";
constexpr const char* VerdictSql =
    "UPDATE world_replays SET state = $2, reason = $3 WHERE result_id = $1";
constexpr const char* ReplayName = "select_replay";
constexpr const char* ReplaySql =
    "SELECT encode(replay, 'hex') FROM world_replays WHERE result_id = $1";
constexpr const char* PendingName = "select_pending";
constexpr const char* PendingSql =
    "SELECT w.id, w.name, w.score, w.country, encode(r.replay, 'hex')"
    " FROM world_replays r JOIN world_results w ON w.id = r.result_id WHERE r.state = 1"
    " ORDER BY w.id LIMIT $1";

std::string ToHex(const std::string& bytes) {
    constexpr char Digits[] = "0123456789abcdef";
    std::string hex = "\\x";
    hex.reserve(2 + bytes.size() * 2);
    for (const char byte : bytes) {
        hex += Digits[static_cast<unsigned char>(byte) >> 4];
        hex += Digits[static_cast<unsigned char>(byte) & 0xF];
    }
    return hex;
}

std::string FromHex(std::string_view hex) {
    const auto nibble = [](char digit) { return digit <= '9' ? digit - '0' : digit - 'a' + 10; };
    std::string bytes(hex.size() / 2, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(nibble(hex[2 * i]) << 4 | nibble(hex[2 * i + 1]));
    return bytes;
}

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
         {std::tuple{InsertName, InsertSql, 4}, std::tuple{TopName, TopSql, 1},
          std::tuple{TopVerifiedName, TopVerifiedSql, 1}, std::tuple{AttachName, AttachSql, 5},
          std::tuple{VerdictName, VerdictSql, 3}, std::tuple{ReplayName, ReplaySql, 1},
          std::tuple{PendingName, PendingSql, 1}}) {
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

std::vector<TStoredResult> TPostgresResultStore::Top(size_t count, bool verifiedOnly) {
    const TLease lease(*this);
    const TResult rows = Run(lease.Get(), verifiedOnly ? TopVerifiedName : TopName,
                             {std::to_string(count)}, PGRES_TUPLES_OK);
    std::vector<TStoredResult> results;
    for (int row = 0; row < PQntuples(rows.get()); ++row) {
        const auto value = [&](int column) { return PQgetvalue(rows.get(), row, column); };
        results.push_back({{value(0), ParseNumber<int32_t>(value(1)), value(2)},
                           ParseNumber<int64_t>(value(3)),
                           ParseNumber<int64_t>(value(4)),
                           VerificationOf(ParseNumber<int64_t>(value(5)))});
    }
    return results;
}

std::optional<int64_t> TPostgresResultStore::AttachReplay(const resultcode::TWorldResult& result,
                                                          int64_t since,
                                                          const std::string& replay) {
    const TLease lease(*this);
    const TResult rows = Run(lease.Get(), AttachName,
                             {result.Name, std::to_string(result.Score), result.Country,
                              std::to_string(since), ToHex(replay)},
                             PGRES_TUPLES_OK);
    if (PQntuples(rows.get()) == 0)
        return std::nullopt;
    return ParseNumber<int64_t>(PQgetvalue(rows.get(), 0, 0));
}

void TPostgresResultStore::RecordVerdict(int64_t id, TVerification verdict,
                                         const std::string& reason) {
    const TLease lease(*this);
    Run(lease.Get(), VerdictName,
        {std::to_string(id), std::to_string(static_cast<int>(verdict)), reason}, PGRES_COMMAND_OK);
}

std::optional<std::string> TPostgresResultStore::Replay(int64_t id) {
    const TLease lease(*this);
    const TResult rows = Run(lease.Get(), ReplayName, {std::to_string(id)}, PGRES_TUPLES_OK);
    if (PQntuples(rows.get()) == 0)
        return std::nullopt;
    return FromHex(PQgetvalue(rows.get(), 0, 0));
}

std::vector<TReplayJob> TPostgresResultStore::PendingReplays(size_t count) {
    const TLease lease(*this);
    const TResult rows = Run(lease.Get(), PendingName, {std::to_string(count)}, PGRES_TUPLES_OK);
    std::vector<TReplayJob> jobs;
    for (int row = 0; row < PQntuples(rows.get()); ++row) {
        const auto value = [&](int column) { return PQgetvalue(rows.get(), row, column); };
        jobs.push_back({ParseNumber<int64_t>(value(0)),
                        {value(1), ParseNumber<int32_t>(value(2)), value(3)},
                        FromHex(value(4))});
    }
    return jobs;
}

}  // namespace world
