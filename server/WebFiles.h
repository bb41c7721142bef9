#pragma once
// The browser build of the game, served read-only from one folder under /play/: GET and HEAD,
// "/play/" itself giving index.html (or zorvex.html), content types by extension, a FILE.gz beside
// FILE sent gzip-encoded to clients that take it, and an ETag to revalidate against. Nothing
// outside the folder is ever served: no "..", no hidden names, no symbolic link leading out, no
// listing of a folder.

#include <filesystem>

#include "server/HttpExchange.h"

namespace world {

// Where the browser build is served.
inline constexpr std::string_view WebPrefix = "/play/";

class TWebFiles {
public:
    // Throws std::runtime_error when folder is not a folder.
    explicit TWebFiles(const std::filesystem::path& folder);

    // The answer to a GET or HEAD of a path under WebPrefix.
    THttpAnswer Answer(const THttpRequest& request) const;

private:
    std::filesystem::path Root;  // canonical
};

}  // namespace world
