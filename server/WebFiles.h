#pragma once
// The browser build of the game, served read-only from one folder under /play/: GET and HEAD,
// "/play/" itself giving index.html (or zorvex.html), content types by extension, a FILE.gz beside
// FILE sent gzip-encoded to clients that take it, and an ETag to revalidate against. Nothing
// outside the folder is ever served: no "..", no hidden names, no symbolic link leading out, no
// listing of a folder. Files are kept in memory once read, up to a cap.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

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
    // The bytes of file, read once and shared by every answer that sends them, so that many
    // downloads of the same file at once cost its size once; read anew when the file changed.
    // Beyond CacheLimit bytes in all, a file is read for its answer alone. Null when unreadable.
    std::shared_ptr<const std::string> Bytes(const std::filesystem::path& file) const;

    struct TCachedFile {
        uintmax_t Size = 0;
        std::filesystem::file_time_type Modified;
        std::shared_ptr<const std::string> Bytes;
    };
    static constexpr uintmax_t CacheLimit = 64 * 1024 * 1024;

    std::filesystem::path Root;  // canonical
    mutable std::mutex CacheMutex;
    mutable std::map<std::filesystem::path, TCachedFile> Cache;
    mutable uintmax_t CachedBytes = 0;
};

}  // namespace world
