#pragma once
// The keyboard state reader: read once per frame, then asked which keys are held.

#include <cstdint>

namespace platform {

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Takes a snapshot of the held keys; IsDown answers from the last snapshot.
    virtual void Read() = 0;
    virtual bool IsDown(uint16_t virtualKey) const = 0;
};

}  // namespace platform
