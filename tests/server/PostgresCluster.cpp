#include "server/PostgresCluster.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "server/ChildProcess.h"

namespace worldtest {

namespace {

const std::filesystem::path ToolFolder = "/usr/lib/postgresql/15/bin";
constexpr const char* UnprivilegedUser = "nobody";
constexpr const char* DatabaseUser = "zorvex";

// A loopback port nothing listens on just now.
int FindFreePort() {
    const int socketFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(socketFd);
        throw std::runtime_error("no free port");
    }
    close(socketFd);
    return ntohs(address.sin_port);
}

}  // namespace

TPostgresCluster::TPostgresCluster(bool durable) {
    if (!std::filesystem::exists(ToolFolder / "initdb"))
        throw std::runtime_error("PostgreSQL 15 is not installed (scripts/install-deps)");
    if (geteuid() == 0) {
        const passwd* user = getpwnam(UnprivilegedUser);
        if (!user || chown(Folder.Path().c_str(), user->pw_uid, user->pw_gid) != 0)
            throw std::runtime_error("cannot hand the cluster folder to nobody");
    }
    Port = FindFreePort();
    RunTool("initdb", {"-D", Folder.Path() / "data", "-U", DatabaseUser, "-A", "trust", "-E",
                       "UTF8", "--locale=C", "--no-sync"});
    // The socket goes into the folder too: /var/run/postgresql belongs to another user.
    const std::string serverOptions = "-p " + std::to_string(Port) + " -k " +
                                      Folder.Path().string() + " -c listen_addresses=127.0.0.1" +
                                      (durable ? "" : " -c fsync=off");
    RunTool("pg_ctl", {"-D", Folder.Path() / "data", "-l", Folder.Path() / "server.log", "-o",
                       serverOptions, "-w", "start"});
    Started = true;
}

TPostgresCluster::~TPostgresCluster() {
    try {
        if (Started)
            RunTool("pg_ctl", {"-D", Folder.Path() / "data", "-m", "immediate", "-w", "stop"});
    } catch (const std::exception&) {
        // Nothing more to do; the folder goes anyway.
    }
}

std::string TPostgresCluster::Url() const {
    return "postgresql://" + std::string(DatabaseUser) + "@127.0.0.1:" + std::to_string(Port) +
           "/postgres";
}

void TPostgresCluster::RunTool(const std::string& tool, std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), ToolFolder / tool);
    if (geteuid() == 0)
        arguments.insert(arguments.begin(), {"runuser", "-u", UnprivilegedUser, "--"});
    RunProcess(arguments, Folder.Path() / "tools.log");
}

}  // namespace worldtest
