#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.

#include <filesystem>
#include <string>

namespace worldtest {

class TTemporaryFolder {
public:
    TTemporaryFolder();  // throws std::runtime_error when none can be made
    ~TTemporaryFolder();
    TTemporaryFolder(const TTemporaryFolder&) = delete;
    TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return Folder; }
    // The URL of a SQLite database file in the folder.
    std::string SqliteUrl() const { return "sqlite:" + (Folder / "world.db").string(); }

private:
    std::filesystem::path Folder;
};

}  // namespace worldtest
