#include "platform/BackgroundWork.h"

#include <future>

namespace platform {

struct BackgroundWork::Running {
    std::future<void> Done;
};

BackgroundWork::BackgroundWork(std::function<void()> work)
    : running_(
          std::make_unique<Running>(Running{std::async(std::launch::async, std::move(work))})) {}

BackgroundWork::~BackgroundWork() {
    Wait();
}

void BackgroundWork::Wait() {
    if (running_->Done.valid())
        running_->Done.wait();
}

}  // namespace platform
