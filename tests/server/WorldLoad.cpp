#include "server/WorldLoad.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

#include "resultcode/ResultCode.h"
#include "server/LoopbackHttp.h"
#include "server/WorldServerProcess.h"

namespace worldtest {

resultcode::TWorldResult LoadResult(int index) {
    return {"Load " + std::to_string(index), 1000 + index, "Loopland"};
}

std::string SubmitTarget(const resultcode::TWorldResult& result) {
    return "/cgi/version.pl?hs&prg=Zorvex&inf=" +
           resultcode::Encode(resultcode::BuildMessage(result));
}

TLoadRun RunLoad(int port, int threads, int perThread, std::atomic<int>* answered, TLoadKind kind) {
    using Clock = std::chrono::steady_clock;
    TLoadRun run;
    run.Statuses.assign(size_t(threads * perThread), -1);
    std::mutex latenciesMutex;
    const auto start = Clock::now();
    std::vector<std::thread> workers;
    for (int thread = 0; thread < threads; ++thread) {
        workers.emplace_back([&, thread] {
            std::vector<double> latencies;
            for (int i = thread * perThread; i < (thread + 1) * perThread; ++i) {
                const auto sent = Clock::now();
                const TAnswer answer =
                    HttpGet(port, kind == TLoadKind::Submissions ? SubmitTarget(LoadResult(i))
                                                                 : WorldPageTarget);
                if (answer.Status < 0)
                    continue;
                run.Statuses[size_t(i)] = answer.Status;
                if (answered)
                    ++*answered;
                latencies.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
            }
            const std::lock_guard lock(latenciesMutex);
            run.LatenciesMs.insert(run.LatenciesMs.end(), latencies.begin(), latencies.end());
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    run.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return run;
}

double LatencyPercentile(std::vector<double> latenciesMs, double fraction) {
    if (latenciesMs.empty())
        return 0;
    const size_t rank = std::min(latenciesMs.size() - 1, size_t(fraction * latenciesMs.size()));
    std::nth_element(latenciesMs.begin(), latenciesMs.begin() + long(rank), latenciesMs.end());
    return latenciesMs[rank];
}

}  // namespace worldtest
