#include "save/SaveFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#ifdef __EMSCRIPTEN__
#include "platform/web/TabLock.h"
#endif

TSaveFolderLock::~TSaveFolderLock() {
    if (descriptor_ >= 0)
        ::close(descriptor_);  // closing the last descriptor releases the lock
}

// The lock is taken on the folder itself, so no lock file is left lying about. The descriptor is
// not inherited by programs the game starts (a browser opened at exit must not keep the lock).
TSaveFolderLock::TResult TSaveFolderLock::Acquire(const std::string& folder) {
#ifdef __EMSCRIPTEN__
    // In a browser every tab has its own file system in memory; the tab lock stands for this one.
    if (!platform::web::ThisTabHoldsSaveFolder())
        return TResult::HeldElsewhere;
#endif
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return TResult::Unavailable;
    int result;
    do {
        result = ::flock(descriptor, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const bool elsewhere = errno == EWOULDBLOCK;
        ::close(descriptor);
        return elsewhere ? TResult::HeldElsewhere : TResult::Unavailable;
    }
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = descriptor;
    return TResult::Held;
}
