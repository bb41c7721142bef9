#pragma once
// The command line of zorvex-world:
//     zorvex-world [--listen HOST:PORT] [--database URL] [--requests-per-minute N]

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace world {

struct TServerOptions {
    std::string Host = "127.0.0.1";
    int Port = 8080;  // 0: any free port, printed at start
    std::string DatabaseUrl = "sqlite:zorvex-world.db";
    uint32_t RequestsPerMinute = 30;  // per client address; 0: no limit
};

// The options in arguments (without the program name), or the message saying what is wrong.
std::variant<TServerOptions, std::string> ParseServerOptions(
    std::span<const std::string_view> arguments);

inline constexpr std::string_view ServerUsage =
    "usage: zorvex-world [--listen HOST:PORT] [--database sqlite:PATH|postgresql://...]\n"
    "                    [--requests-per-minute N]\n";

}  // namespace world
