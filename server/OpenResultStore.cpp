#include <string_view>

#include "server/PostgresResultStore.h"
#include "server/ResultStore.h"
#include "server/SqliteResultStore.h"

namespace world {

std::unique_ptr<TResultStore> OpenResultStore(const std::string& url) {
    const std::string_view text = url;
    constexpr std::string_view sqliteScheme = "sqlite:";
    if (text.starts_with(sqliteScheme) && text.size() > sqliteScheme.size())
        return std::make_unique<TSqliteResultStore>(url.substr(sqliteScheme.size()));
    if (text.starts_with("postgresql://") || text.starts_with("postgres://"))
        return std::make_unique<TPostgresResultStore>(url);
    throw TStoreError("unknown database URL (want sqlite:PATH or postgresql://...): " + url);
}

}  // namespace world

namespace world {

TVerification VerificationOf(int64_t stored) {
    switch (stored) {
        case 1:
            return TVerification::Pending;
        case 2:
            return TVerification::Verified;
        case 3:
            return TVerification::Rejected;
        default:
            return TVerification::Unverified;
    }
}

}  // namespace world
