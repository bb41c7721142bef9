#pragma once
// The real backend: an SDL2 window of 800 x 600 showing the back surface scaled with its aspect
// kept, the keyboard, the window's events and the process.

#include <memory>

#include "platform/Backend.h"

namespace platform {

// Throws std::runtime_error when no window can be opened.
std::unique_ptr<Backend> CreateSdlBackend();

}  // namespace platform
