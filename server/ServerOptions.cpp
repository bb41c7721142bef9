#include "server/ServerOptions.h"

#include <charconv>
#include <optional>

namespace world {

namespace {

template <typename T>
std::optional<T> ParseNumber(std::string_view text, T low, T high) {
    T value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

// HOST:PORT, the host maybe an IPv6 address in brackets; false when malformed.
bool ParseListen(std::string_view text, TServerOptions& options) {
    const size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return false;
    std::string_view host = text.substr(0, colon);
    if (host.starts_with('[') && host.ends_with(']'))
        host = host.substr(1, host.size() - 2);
    const auto port = ParseNumber<int>(text.substr(colon + 1), 0, 65535);
    if (host.empty() || !port)
        return false;
    options.Host = host;
    options.Port = *port;
    return true;
}

}  // namespace

std::variant<TServerOptions, std::string> ParseServerOptions(
    std::span<const std::string_view> arguments) {
    TServerOptions options;
    for (size_t i = 0; i < arguments.size(); i += 2) {
        const std::string_view flag = arguments[i];
        if (flag == "--help" || flag == "-h") {
            options.Help = true;
            return options;
        }
        if (i + 1 == arguments.size())
            return std::string(flag) + " needs a value";
        const std::string_view value = arguments[i + 1];
        if (flag == "--listen") {
            if (!ParseListen(value, options))
                return "--listen wants HOST:PORT, not " + std::string(value);
        } else if (flag == "--database") {
            options.DatabaseUrl = value;
        } else if (flag == "--requests-per-minute") {
            const auto count = ParseNumber<uint32_t>(value, 0, 1'000'000'000);
            if (!count)
                return "--requests-per-minute wants a count, not " + std::string(value);
            options.RequestsPerMinute = *count;
        } else if (flag == "--connections-per-address") {
            const auto count = ParseNumber<uint32_t>(value, 0, 1'000'000);
            if (!count)
                return "--connections-per-address wants a count, not " + std::string(value);
            options.ConnectionsPerAddress = *count;
        } else if (flag == "--web") {
            options.WebFolder = value;
        } else {
            return "unknown option " + std::string(flag);
        }
    }
    return options;
}

}  // namespace world
