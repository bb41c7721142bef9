#pragma once
// Work that the frame loop must not wait for, such as writing a file: run on a thread of its own
// where the platform has threads (the desktop), and at once where it has none (a browser page
// runs the game on one thread; its files live in memory there, so the work is quick).

#include <functional>
#include <memory>

namespace platform {

class BackgroundWork {
public:
    // Starts work; it may have run before this returns.
    explicit BackgroundWork(std::function<void()> work);
    // Waits for the work.
    ~BackgroundWork();
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Returns once the work has run.
    void Wait();

private:
    struct Running;
    std::unique_ptr<Running> running_;
};

}  // namespace platform
