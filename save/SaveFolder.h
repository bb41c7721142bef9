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

    // The file's bytes, at most maxBytes of them, or nullopt when it cannot be opened for
    // reading (then it counts as missing).
    std::optional<std::string> Read(std::string_view name, size_t maxBytes = MaxFileBytes) const;

    // Writes "<name>.new", creating the folder if needed. On failure nothing is left behind, the
    // answer is false and Failure() says what went wrong.
    bool Stage(std::string_view name, std::string_view bytes);
    // Whether "<name>.new" can be renamed over "<name>": false (with Failure() set) when something
    // other than a plain file stands in the way, such as a folder of that name.
    bool CanReplace(std::string_view name);
    // Renames "<name>.new" over "<name>"; on failure the answer is false, Failure() says why and
    // the staged file is still there.
    bool Commit(std::string_view name);
    // Removes "<name>.new" if there is one.
    void Discard(std::string_view name) const;

    // The last failure, as the player is told it: the file's name ("hs" or "options", never the
    // staged "<name>.new"), the folder and the reason.
    const std::string& Failure() const { return failure_; }

    // Far more than the options and high-score files ever hold (about 300 bytes); what lies
    // beyond is not read.
    static constexpr size_t MaxFileBytes = 4096;

private:
    std::string FilePath(std::string_view name) const;

    bool Fail(std::string_view name, const std::string& reason);

    std::string path_;
    std::string failure_;
};
