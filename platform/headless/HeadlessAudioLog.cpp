#include "platform/headless/HeadlessAudioLog.h"

#include <algorithm>

namespace platform {

int HeadlessAudioLog::Count(AudioCallKind kind, int index) const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [&](const AudioCall& call) {
        return call.Kind == kind && (index == -1 || call.Index == index);
    }));
}

}  // namespace platform
