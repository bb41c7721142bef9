#pragma once
// A fresh folder under the system's temporary folder for one test, removed with everything in
// it when the test ends, and whole-file helpers for what the game reads and writes there.

#include <filesystem>
#include <string>

class TSaveTestFolder {
public:
    TSaveTestFolder();
    ~TSaveTestFolder();
    TSaveTestFolder(const TSaveTestFolder&) = delete;
    TSaveTestFolder& operator=(const TSaveTestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);
