// zorvex-world: receives the results games send and serves the world high-score page.
// SIGTERM or SIGINT stops it cleanly within about 2 s: no new connections, every request already
// read is answered (a result only once it is committed), slow clients are dropped, then the store
// is closed. Exit codes: 0 after a clean stop or --help, 1 when it cannot serve, 2 for a wrong
// command line.

#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "server/HttpTransport.h"
#include "server/ListenSocket.h"
#include "server/ServerOptions.h"
#include "server/WorldRoutes.h"

namespace {

// Descriptors kept for the store, logs and libraries; the rest may hold connections.
constexpr rlim_t ReservedDescriptors = 64;
constexpr rlim_t MaxConnections = 10000;

// Raises the open-file limit as far as allowed and returns how many connections fit in it.
unsigned ConnectionCapacity() {
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);
    getrlimit(RLIMIT_NOFILE, &files);
    return unsigned(std::clamp(files.rlim_cur, 2 * ReservedDescriptors, MaxConnections) -
                    ReservedDescriptors);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = world::ParseServerOptions(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "zorvex-world: %s\n%s", error->c_str(), world::ServerUsage.data());
        return 2;
    }
    const auto& options = std::get<world::TServerOptions>(parsed);
    if (options.Help) {
        std::fputs(world::ServerUsage.data(), stdout);
        return 0;
    }

    // A client that hangs up mid-answer must not kill the server.
    signal(SIGPIPE, SIG_IGN);
    // The stop signals are taken by sigwait below; blocked before any other thread starts.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        const auto store = world::OpenResultStore(options.DatabaseUrl);
        world::TWorldRoutes routes(*store, options.RequestsPerMinute, options.WebFolder);
        const auto listening = world::OpenListenSocket(options.Host, options.Port);
        if (const auto* error = std::get_if<std::string>(&listening))
            throw std::runtime_error(*error);
        const auto& socket = std::get<world::TListenSocket>(listening);
        world::THttpTransport transport(routes,
                                        {.ConnectionsPerAddress = options.ConnectionsPerAddress,
                                         .Connections = ConnectionCapacity()});
        transport.Start(socket.Fd);
        std::printf("zorvex-world: listening on %s:%d\n", options.Host.c_str(), socket.Port);
        std::fflush(stdout);

        int signalNumber = 0;
        sigwait(&stopSignals, &signalNumber);
        transport.Stop();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvex-world: %s\n", error.what());
        return 1;
    }
    std::printf("zorvex-world: stopped\n");
    return 0;
}
