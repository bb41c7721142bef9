#include "SaveTestFolder.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

TSaveTestFolder::TSaveTestFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorvex-save-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TSaveTestFolder::~TSaveTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}
