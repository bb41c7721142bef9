#pragma once
// Little-endian byte writer shared by our file format writers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class BinaryWriter {
public:
    void U8(uint8_t value) { bytes_.push_back(value); }
    void U16(uint16_t value);
    void U32(uint32_t value);
    void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
    void Bytes(const void* data, size_t size);
    void Text(std::string_view text) { Bytes(text.data(), text.size()); }
    // Overwrites a u32 written earlier, for lengths known only afterwards.
    void PatchU32(size_t offset, uint32_t value);

    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Data() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Writes bytes to path; throws std::runtime_error naming the file when that fails.
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
