#pragma once
// An image list: the images of one list file in order, addressed by index from 0, each made into
// a texture once, when the list is loaded.

#include <memory>
#include <string>
#include <vector>

#include "engine/ImageItem.h"

namespace platform {
class Surface;
}

class TImageList {
public:
    // Replaces the list with the file's images. Throws EFileOpenError naming the file and the
    // reason when it is missing, truncated or damaged; the list is then left as it was.
    void LoadFromFile(const std::string& path, platform::Surface& surface);
    // The same from bytes already in memory; path only names them in the error.
    void LoadFromBytes(const std::string& bytes, const std::string& path,
                       platform::Surface& surface);

    int Count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range "List index out of bounds (%d)" outside 0..Count-1.
    const TImageItem& Items(int index) const;

private:
    std::vector<std::unique_ptr<TImageItem>> items_;
};
