#include "server/TemporaryFolder.h"

#include <stdlib.h>

#include <stdexcept>

namespace worldtest {

TTemporaryFolder::TTemporaryFolder() {
    std::string folder = std::filesystem::temp_directory_path() / "zorvex-world-XXXXXX";
    if (!mkdtemp(folder.data()))
        throw std::runtime_error("cannot make a temporary folder");
    Folder = folder;
}

TTemporaryFolder::~TTemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
}

}  // namespace worldtest
