#include "server/ReplayVerifier.h"

#include <iostream>

namespace world {

TReplayVerifier::TReplayVerifier(TResultStore& store, TCheck check, size_t capacity)
    : Store(store), Check(std::move(check)), Capacity(capacity), Worker([this] { Work(); }) {}

TReplayVerifier::~TReplayVerifier() {
    {
        const std::lock_guard lock(Mutex);
        Stopping = true;
    }
    StopCheck = true;
    Changed.notify_all();
    Worker.join();
}

bool TReplayVerifier::Enqueue(TReplayJob job) {
    {
        const std::lock_guard lock(Mutex);
        if (Waiting.size() >= Capacity)
            return false;
        Waiting.push_back(std::move(job));
    }
    Changed.notify_all();
    return true;
}

void TReplayVerifier::WaitIdle() {
    std::unique_lock lock(Mutex);
    Changed.wait(lock, [this] { return Waiting.empty() && !Busy; });
}

void TReplayVerifier::Work() {
    std::unique_lock lock(Mutex);
    while (true) {
        Changed.wait(lock, [this] { return Stopping || !Waiting.empty(); });
        if (Stopping)
            return;
        TReplayJob job = std::move(Waiting.front());
        Waiting.pop_front();
        Busy = true;
        lock.unlock();
        const TVerdict verdict = Check(job, StopCheck);
        try {
            if (verdict.State != TVerification::Pending)
                Store.RecordVerdict(job.ResultId, verdict.State, verdict.Reason);
        } catch (const TStoreError& error) {
            std::cerr << "zorvex-world: " << error.what() << '\n';
        }
        lock.lock();
        Busy = false;
        Changed.notify_all();
    }
}

}  // namespace world
