#include "platform/headless/HeadlessBackend.h"

namespace platform {

void HeadlessDisplay::Present() {
    ++frameCount_;
    if (!changes_.Compare(canvas_.Bytes(), canvas_.Pitch()).empty())
        ++presentCount_;
}

bool HeadlessDisplay::GetPlacement(WindowPlacement& placement) const {
    placement = placement_;
    return true;
}

void HeadlessDisplay::ShowError(const std::string& title, const std::string& text) {
    errors_.push_back(title + ": " + text);
}

bool HeadlessBackend::PollEvent(InputEvent& event) {
    if (events_.empty())
        return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

}  // namespace platform
