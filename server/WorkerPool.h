#pragma once
// A fixed set of threads running jobs in the order they were posted. The HTTP transport hands it
// every fully read request, so that a slow database never stalls the thread reading sockets.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace world {

class TWorkerPool {
public:
    explicit TWorkerPool(unsigned threads);
    ~TWorkerPool();  // runs every job already posted, then joins the threads
    TWorkerPool(const TWorkerPool&) = delete;
    TWorkerPool& operator=(const TWorkerPool&) = delete;

    void Post(std::function<void()> job);
    // Returns once every job posted so far has run.
    void WaitIdle();

private:
    void Run();

    std::mutex Mutex;
    std::condition_variable Wake;  // a job came, or the pool closes
    std::condition_variable Idle;  // a job ended
    std::deque<std::function<void()>> Jobs;
    unsigned Running = 0;
    bool Closing = false;
    std::vector<std::thread> Threads;
};

}  // namespace world
