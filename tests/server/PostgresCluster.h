#pragma once
// A throwaway PostgreSQL cluster for one test or benchmark: initdb and pg_ctl from Debian's
// postgresql package, in a temporary folder, listening on a free loopback port, run as the
// unprivileged user "nobody" when the test runs as root (PostgreSQL refuses to run as root).
// Stopped and removed by the destructor.

#include <string>
#include <vector>

#include "server/TemporaryFolder.h"

namespace worldtest {

class TPostgresCluster {
public:
    // durable: false turns fsync off, for tests that do not measure. Throws std::runtime_error
    // when the cluster cannot be made or started (for instance, when postgresql is missing).
    explicit TPostgresCluster(bool durable = false);
    ~TPostgresCluster();
    TPostgresCluster(const TPostgresCluster&) = delete;
    TPostgresCluster& operator=(const TPostgresCluster&) = delete;

    // The libpq URI of its database.
    std::string Url() const;

private:
    void RunTool(const std::string& tool, std::vector<std::string> arguments) const;

    const TTemporaryFolder Folder;  // removed after the cluster stopped
    int Port = 0;
    bool Started = false;
};

}  // namespace worldtest
