#include "server/WorkerPool.h"

namespace world {

TWorkerPool::TWorkerPool(unsigned threads) {
    for (unsigned i = 0; i < threads; ++i)
        Threads.emplace_back([this] { Run(); });
}

TWorkerPool::~TWorkerPool() {
    {
        const std::lock_guard lock(Mutex);
        Closing = true;
    }
    Wake.notify_all();
    for (std::thread& thread : Threads)
        thread.join();
}

void TWorkerPool::Post(std::function<void()> job) {
    {
        const std::lock_guard lock(Mutex);
        Jobs.push_back(std::move(job));
    }
    Wake.notify_one();
}

void TWorkerPool::WaitIdle() {
    std::unique_lock lock(Mutex);
    Idle.wait(lock, [this] { return Jobs.empty() && Running == 0; });
}

void TWorkerPool::Run() {
    std::unique_lock lock(Mutex);
    while (true) {
        Wake.wait(lock, [this] { return Closing || !Jobs.empty(); });
        if (Jobs.empty())
            return;  // closing, and nothing left to run
        std::function<void()> job = std::move(Jobs.front());
        Jobs.pop_front();
        ++Running;
        lock.unlock();
        job();
        lock.lock();
        --Running;
        Idle.notify_all();
    }
}

}  // namespace world
