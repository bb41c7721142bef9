#include "platform/BackgroundWork.h"

// A browser page has no thread to spare (and starting one there spins instead of failing): the
// work runs at once.

namespace platform {

struct BackgroundWork::Running {};

BackgroundWork::BackgroundWork(std::function<void()> work) {
    work();
}

BackgroundWork::~BackgroundWork() = default;

void BackgroundWork::Wait() {}

}  // namespace platform
