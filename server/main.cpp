// zorvex-world: receives the results games send and serves the world high-score page.
// SIGTERM or SIGINT stops it cleanly: no new connections, every request already taken is answered
// (a result only once it is committed), then the store is closed.

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "server/ReplayVerifier.h"
#include "server/ServerOptions.h"
#include "server/WorldServer.h"

namespace {
// Replays waiting for their re-run, at most MaxReplayUploadBytes each.
constexpr size_t ReplayQueueCapacity = 64;
}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = world::ParseServerOptions(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "zorvex-world: %s\n%s", error->c_str(), world::ServerUsage.data());
        return 2;
    }
    const auto& options = std::get<world::TServerOptions>(parsed);

    // A client that hangs up mid-answer must not kill the server.
    signal(SIGPIPE, SIG_IGN);
    // The stop signals go to one waiting thread only; blocked before any other thread starts.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::unique_ptr<world::TResultStore> store;
    try {
        store = world::OpenResultStore(options.DatabaseUrl);
    } catch (const world::TStoreError& error) {
        std::fprintf(stderr, "zorvex-world: %s\n", error.what());
        return 1;
    }
    // Replays are re-run from the game's data files in the working folder (Data/Res).
    world::TReplayVerifier verifier(
        *store, [](const world::TReplayJob& job) { return world::CheckReplay(job, {}); },
        ReplayQueueCapacity);
    // Replays whose verdict a previous run did not reach.
    try {
        for (world::TReplayJob& job : store->PendingReplays(ReplayQueueCapacity))
            verifier.Enqueue(std::move(job));
    } catch (const world::TStoreError& error) {
        std::fprintf(stderr, "zorvex-world: %s\n", error.what());
    }
    world::TWorldServer server(*store, verifier, options.RequestsPerMinute);
    const int port = server.Bind(options.Host, options.Port);
    if (port < 0) {
        std::fprintf(stderr, "zorvex-world: cannot listen on %s:%d\n", options.Host.c_str(),
                     options.Port);
        return 1;
    }
    std::printf("zorvex-world: listening on %s:%d\n", options.Host.c_str(), port);
    std::fflush(stdout);

    std::atomic<bool> served = false;
    std::thread stopper([&] {
        int signalNumber = 0;
        sigwait(&stopSignals, &signalNumber);
        // A signal that comes before Serve got going must still stop it, so keep asking.
        while (!served) {
            server.Stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    server.Serve();
    served = true;
    pthread_kill(stopper.native_handle(), SIGTERM);  // wakes the stopper when no signal came
    stopper.join();
    std::printf("zorvex-world: stopped\n");
    return 0;
}
