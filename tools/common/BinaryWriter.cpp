#include "BinaryWriter.h"

#include <fstream>
#include <stdexcept>

void BinaryWriter::U16(uint16_t value) {
    U8(static_cast<uint8_t>(value & 0xFF));
    U8(static_cast<uint8_t>(value >> 8));
}

void BinaryWriter::U32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        U8(static_cast<uint8_t>((value >> shift) & 0xFF));
}

void BinaryWriter::Bytes(const void* data, size_t size) {
    const auto* begin = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), begin, begin + size);
}

void BinaryWriter::PatchU32(size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes_.at(offset + i) = static_cast<uint8_t>((value >> (8 * i)) & 0xFF);
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}
