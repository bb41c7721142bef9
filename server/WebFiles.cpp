#include "server/WebFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace world {

namespace {

namespace fs = std::filesystem;

// Files over this size are not served: the browser build is a few tens of megabytes.
constexpr uintmax_t MaxFileSize = 256 * 1024 * 1024;

constexpr std::pair<std::string_view, std::string_view> ContentTypes[] = {
    {".html", "text/html; charset=utf-8"},
    {".js", "text/javascript; charset=utf-8"},
    {".wasm", "application/wasm"},
    {".data", "application/octet-stream"},
    {".png", "image/png"},
    {".css", "text/css; charset=utf-8"},
    {".json", "application/json"},
};

std::string_view ContentType(const fs::path& file) {
    const std::string extension = file.extension().string();
    for (const auto& [suffix, type] : ContentTypes) {
        if (extension == suffix)
            return type;
    }
    return "application/octet-stream";
}

// True when every '/'-separated part of relative is a plain name: letters, digits, '-', '_' and
// '.', not starting with '.'. Rules out "..", hidden files, escapes and empty parts.
bool IsPlainRelativePath(std::string_view relative) {
    size_t start = 0;
    while (start <= relative.size()) {
        const size_t end = std::min(relative.find('/', start), relative.size());
        const std::string_view part = relative.substr(start, end - start);
        if (part.empty() || part.front() == '.')
            return false;
        for (const char c : part) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
                return false;
        }
        start = end + 1;
    }
    return true;
}

// True when the client's Accept-Encoding takes gzip (with a weight above 0).
bool AcceptsGzip(const THttpRequest& request) {
    const std::string* accepted = request.FindHeader("Accept-Encoding");
    if (accepted == nullptr)
        return false;
    std::string_view rest = *accepted;
    while (!rest.empty()) {
        const size_t comma = std::min(rest.find(','), rest.size());
        std::string_view coding = rest.substr(0, comma);
        rest.remove_prefix(std::min(comma + 1, rest.size()));
        const size_t semicolon = std::min(coding.find(';'), coding.size());
        std::string_view name = coding.substr(0, semicolon);
        while (name.starts_with(' '))
            name.remove_prefix(1);
        while (name.ends_with(' '))
            name.remove_suffix(1);
        if (name != "gzip")
            continue;
        const size_t weight = coding.find("q=", semicolon);
        return weight == std::string_view::npos ||
               std::strtod(std::string(coding.substr(weight + 2)).c_str(), nullptr) > 0;
    }
    return false;
}

}  // namespace

TWebFiles::TWebFiles(const fs::path& folder) {
    std::error_code error;
    Root = fs::canonical(folder, error);
    if (error || !fs::is_directory(Root))
        throw std::runtime_error("--web wants a folder, not " + folder.string());
}

THttpAnswer TWebFiles::Answer(const THttpRequest& request) const {
    std::string_view relative = request.Path();
    relative.remove_prefix(std::min(relative.size(), WebPrefix.size()));

    // The file relative names, when it is a regular file inside the folder, links resolved.
    const auto resolve = [&](std::string_view name) -> std::optional<fs::path> {
        if (!IsPlainRelativePath(name))
            return std::nullopt;
        std::error_code error;
        const fs::path file = fs::canonical(Root / name, error);
        const bool inside =
            std::mismatch(Root.begin(), Root.end(), file.begin(), file.end()).first == Root.end();
        if (error || !inside || !fs::is_regular_file(file, error) ||
            fs::file_size(file, error) > MaxFileSize)
            return std::nullopt;
        return file;
    };
    std::string name(relative);
    if (name.empty())
        name = resolve("index.html") ? "index.html" : "zorvex.html";
    const std::optional<fs::path> file = resolve(name);
    if (!file)
        return TextAnswer(404, "Not found\n");

    THttpAnswer answer;
    answer.ContentType = ContentType(*file);
    fs::path sent = *file;
    if (AcceptsGzip(request)) {
        if (const auto packed = resolve(name + ".gz")) {
            sent = *packed;
            answer.Headers.emplace_back("Content-Encoding", "gzip");
        }
    }
    answer.Headers.emplace_back("Vary", "Accept-Encoding");
    // The browser build changes all at once: always revalidate, and answer 304 when unchanged.
    answer.Headers.emplace_back("Cache-Control", "no-cache");
    std::error_code error;
    const auto modified = fs::last_write_time(sent, error).time_since_epoch().count();
    const std::string tag = "\"" + std::to_string(fs::file_size(sent, error)) + "-" +
                            std::to_string(modified) + (sent == *file ? "" : "-gz") + "\"";
    answer.Headers.emplace_back("ETag", tag);
    if (const std::string* known = request.FindHeader("If-None-Match"); known && *known == tag) {
        answer.Status = 304;
        return answer;
    }
    answer.SharedBody = Bytes(sent);
    if (!answer.SharedBody)
        return TextAnswer(500, "Cannot read the file\n");
    return answer;
}

std::shared_ptr<const std::string> TWebFiles::Bytes(const fs::path& file) const {
    std::error_code error;
    const uintmax_t size = fs::file_size(file, error);
    const fs::file_time_type modified = fs::last_write_time(file, error);
    if (error)
        return nullptr;
    std::lock_guard lock(CacheMutex);
    if (const auto cached = Cache.find(file); cached != Cache.end()) {
        if (cached->second.Size == size && cached->second.Modified == modified)
            return cached->second.Bytes;
        CachedBytes -= cached->second.Size;
        Cache.erase(cached);
    }
    std::ifstream in(file, std::ios::binary);
    auto bytes = std::make_shared<const std::string>(std::istreambuf_iterator<char>(in),
                                                     std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof())
        return nullptr;
    if (CachedBytes + bytes->size() <= CacheLimit) {
        Cache[file] = {.Size = bytes->size(), .Modified = modified, .Bytes = bytes};
        CachedBytes += bytes->size();
    }
    return bytes;
}

}  // namespace world
