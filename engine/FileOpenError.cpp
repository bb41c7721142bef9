#include "engine/FileOpenError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EFileOpenError(path, std::string(std::strerror(errno)) + ".");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        throw EFileOpenError(path, "The file cannot be read.");
    return std::move(bytes).str();
}
