#pragma once
// Verifies submitted replays off the request path: a bounded queue and one worker thread that
// re-runs them one at a time and records each verdict in the store. An upload is answered as soon
// as its replay is queued.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "server/ReplayCheck.h"
#include "server/ResultStore.h"

namespace world {

class TReplayVerifier {
public:
    // A check ends early with a Pending verdict once its stop turns true.
    using TCheck = std::function<TVerdict(const TReplayJob&, const std::atomic<bool>& stop)>;

    // capacity: replays waiting at most (each at most an upload's size); more are refused.
    TReplayVerifier(TResultStore& store, TCheck check, size_t capacity);
    // Stops the replay being re-run at once; it and those still waiting stay pending in the store.
    ~TReplayVerifier();
    TReplayVerifier(const TReplayVerifier&) = delete;
    TReplayVerifier& operator=(const TReplayVerifier&) = delete;

    // False when the queue is full.
    bool Enqueue(TReplayJob job);
    // Returns once the queue is empty and no replay is being re-run.
    void WaitIdle();

private:
    void Work();

    TResultStore& Store;
    TCheck Check;
    const size_t Capacity;
    std::mutex Mutex;
    std::condition_variable Changed;
    std::deque<TReplayJob> Waiting;
    bool Busy = false;
    bool Stopping = false;
    std::atomic<bool> StopCheck = false;
    std::thread Worker;  // last: starts once everything it uses is there
};

}  // namespace world
