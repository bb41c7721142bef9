#pragma once
// A fixed load on a world server: threads each sending their share of distinct results, each on
// its own connection as the game sends them. Used by the load tests and the load benchmark.

#include <atomic>
#include <string>
#include <vector>

#include "resultcode/ResultMessage.h"

namespace worldtest {

// The result number index of a load: a name and a score no other index has.
resultcode::TWorldResult LoadResult(int index);

// The request that sends result.
std::string SubmitTarget(const resultcode::TWorldResult& result);

struct TLoadRun {
    std::vector<int> Statuses;        // by result index; -1 for no answer
    std::vector<double> LatenciesMs;  // of the answered requests, in no order
    double Seconds = 0;               // wall time of the whole run
};

enum class TLoadKind {
    Submissions,  // request i sends LoadResult(i)
    PageViews,    // every request asks for the world page
};

// Sends threads * perThread requests to the server on the loopback port, threads at a time, each
// on its own connection: LoadResult(0) .. LoadResult(threads * perThread - 1), or page views.
// answered, when given, counts the answers as they come.
TLoadRun RunLoad(int port, int threads, int perThread, std::atomic<int>* answered = nullptr,
                 TLoadKind kind = TLoadKind::Submissions);

// The latency below which fraction (0..1) of the answered requests came back.
double LatencyPercentile(std::vector<double> latenciesMs, double fraction);

}  // namespace worldtest
