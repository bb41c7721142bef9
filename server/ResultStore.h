#pragma once
// Where the world server keeps the results it accepted. Two backends implement it: SQLite for one
// machine and PostgreSQL for several server processes sharing one database. Every call may come
// from any of the server's worker threads at once; the backends make that safe.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "resultcode/ResultMessage.h"

namespace world {

struct TStoredResult {
    resultcode::TWorldResult Result;
    int64_t ReceivedAt = 0;  // Unix time, seconds
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

    // The best count results: highest score first, then the one received earlier, then the one
    // stored first. Throws TStoreError.
    virtual std::vector<TStoredResult> Top(size_t count) = 0;
};

// The store a database URL names: "sqlite:PATH" (the file is created when missing) or
// "postgresql://..." / "postgres://..." (a libpq connection URI). Creates the table when it is
// missing. Throws TStoreError for another scheme or when the database cannot be opened.
std::unique_ptr<TResultStore> OpenResultStore(const std::string& url);

}  // namespace world
