#include "save/SaveFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

bool WriteAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes a rename in the folder last through a power cut. Best effort: the rename itself has
// already happened.
void SyncFolder(const std::string& path) {
    const int folder = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

}  // namespace

std::string TSaveFolder::FilePath(std::string_view name) const {
    return path_ + "/" + std::string(name);
}

std::string TSaveFolder::StagedName(std::string_view name) {
    return std::string(name) + ".new";
}

std::optional<std::string> TSaveFolder::Read(std::string_view name, size_t maxBytes) const {
    std::ifstream in(FilePath(name), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// The player knows the saved files by their own names; the staged "<name>.new" is ours, so a
// failure on it is told as a failure to save the file itself.
bool TSaveFolder::Fail(std::string_view name, const std::string& reason) {
    failure_ =
        "Cannot save file \"" + std::string(name) + "\" in folder \"" + path_ + "\". " + reason;
    return false;
}

bool TSaveFolder::Stage(std::string_view name, std::string_view bytes) {
    std::error_code folderError;
    std::filesystem::create_directories(path_, folderError);
    if (folderError)
        return Fail(name, folderError.message());

    const std::string staged = FilePath(StagedName(name));
    const int file = ::open(staged.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0)
        return Fail(name, std::strerror(errno));
    const bool written = WriteAll(file, bytes) && ::fsync(file) == 0;
    const int writeError = errno;
    const bool closed = ::close(file) == 0;
    if (written && closed)
        return true;
    const std::string reason = std::strerror(written ? errno : writeError);
    ::unlink(staged.c_str());
    return Fail(name, reason);
}

bool TSaveFolder::CanReplace(std::string_view name) {
    const std::string target = FilePath(name);
    struct stat status = {};
    if (::lstat(target.c_str(), &status) != 0 || S_ISREG(status.st_mode))
        return true;
    return Fail(name, S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "Not a regular file");
}

bool TSaveFolder::Commit(std::string_view name) {
    const std::string target = FilePath(name);
    if (std::rename(FilePath(StagedName(name)).c_str(), target.c_str()) != 0)
        return Fail(name, std::strerror(errno));
    SyncFolder(path_);
    return true;
}

void TSaveFolder::Discard(std::string_view name) const {
    ::unlink(FilePath(StagedName(name)).c_str());
}
