#pragma once
// The bounds of every HTTP request the game makes, on the desktop and in a browser: a time-out for
// the connection (in a browser, for the answer to start), one for the whole request, and a cap
// on the body the game reads.

#include <chrono>
#include <cstddef>

namespace platform {

struct HttpLimits {
    std::chrono::milliseconds Connect{3000};
    std::chrono::milliseconds Total{5000};
    size_t MaxBodyBytes = 64 * 1024;
};

}  // namespace platform
