#pragma once
// The folder the saved files live in. A file is replaced in two steps: staged, written in full to
// "<name>.new" and flushed to disk, then committed, renamed over "<name>". A kill at any moment
// leaves either the old file or the new one, never a part of one.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class TSaveFolder {
public:
    explicit TSaveFolder(std::string path) : path_(std::move(path)) {}

    static std::string StagedName(std::string_view name);

    // The file's bytes, at most MaxFileBytes of them, or nullopt when it cannot be opened for
    // reading (then it counts as missing).
    std::optional<std::string> Read(std::string_view name) const;

    // Writes "<name>.new", creating the folder if needed. On failure the error goes to stderr,
    // nothing is left behind and the answer is false.
    bool Stage(std::string_view name, std::string_view bytes) const;
    // Renames "<name>.new" over "<name>"; on failure the error goes to stderr and the answer is
    // false, with the staged file still there.
    bool Commit(std::string_view name) const;
    // Removes "<name>.new" if there is one.
    void Discard(std::string_view name) const;

    // Far more than the game ever writes (about 300 bytes); what lies beyond is not read.
    static constexpr size_t MaxFileBytes = 4096;

private:
    std::string FilePath(std::string_view name) const;

    std::string path_;
};
