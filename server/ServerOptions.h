#pragma once
// The command line of zorvex-world:
//     zorvex-world [--listen HOST:PORT] [--database URL] [--requests-per-minute N]
//                  [--connections-per-address N] [--web DIR] [--help]

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
    uint32_t RequestsPerMinute = 30;      // per client address; 0: no limit
    uint32_t ConnectionsPerAddress = 32;  // open at once per client address; 0: no limit
    std::string WebFolder;                // the browser build, served under /play/; "": none
    bool Help = false;                    // --help: print the usage and do nothing else
};

// The options in arguments (without the program name), or the message saying what is wrong.
std::variant<TServerOptions, std::string> ParseServerOptions(
    std::span<const std::string_view> arguments);

inline constexpr std::string_view ServerUsage =
    "usage: zorvex-world [--listen HOST:PORT] [--database sqlite:PATH|postgresql://...]\n"
    "                    [--requests-per-minute N] [--connections-per-address N] [--web DIR]\n"
    "  --listen HOST:PORT             address to serve on (default 127.0.0.1:8080; port 0: any)\n"
    "  --database URL                 sqlite:PATH (default sqlite:zorvex-world.db) or a\n"
    "                                 postgresql:// URI\n"
    "  --requests-per-minute N        per client address (default 30; 0: no limit)\n"
    "  --connections-per-address N    open at once per client address (default 32; 0: no limit)\n"
    "  --web DIR                      serve the browser build in DIR under /play/\n"
    "  --help                         print this and exit\n";

}  // namespace world
