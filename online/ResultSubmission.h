#pragma once
// Sending a finished game's result to the world high-score page. The "Sending..." dialog calls it
// on its second frame; a failed request is silent and the game goes on either way.

#include <cstdint>
#include <string>

class TResultSubmission {
public:
    virtual ~TResultSubmission() = default;
    virtual void SendWorldResult(const std::string& name, int32_t score,
                                 const std::string& country) = 0;
};
