#include "ListFile.h"

#include <span>

#include "engine/ByteReader.h"
#include "engine/FileOpenError.h"

std::vector<TImageListEntry> LoadImageListFile(const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    try {
        return ParseImageList(
            std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    } catch (const DataFormatError& error) {
        throw EFileOpenError(path, error.what());
    }
}
