#include "server/HttpExchange.h"

#include <strings.h>

namespace world {

const std::string* THttpRequest::FindHeader(std::string_view name) const {
    for (const auto& [key, value] : Headers) {
        if (key.size() == name.size() && strncasecmp(key.data(), name.data(), name.size()) == 0)
            return &value;
    }
    return nullptr;
}

}  // namespace world
