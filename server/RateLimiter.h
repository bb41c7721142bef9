#pragma once
// Requests per client address per minute, counted in whole clock minutes: an address that used up
// its count waits for the next minute. Safe to call from every worker thread. Memory is bounded
// by the addresses seen in the current minute.

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

namespace world {

class TRateLimiter {
public:
    // perMinute: requests each address may make in one minute; 0 means no limit.
    explicit TRateLimiter(uint32_t perMinute) : PerMinute(perMinute) {}

    // Counts one request of address at unixSeconds; false when it is over the limit.
    bool Allow(const std::string& address, int64_t unixSeconds);

private:
    const uint32_t PerMinute;
    std::mutex Mutex;
    int64_t Minute = -1;
    std::unordered_map<std::string, uint32_t> Counts;  // requests in Minute, by address
};

}  // namespace world
