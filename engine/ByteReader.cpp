#include "ByteReader.h"

void ByteReader::Need(size_t count, const char* what) const {
    if (count > Left())
        throw DataFormatError(std::string("The file is truncated (") + what + ").");
}

uint8_t ByteReader::U8() {
    Need(1, "byte");
    return bytes_[position_++];
}

uint16_t ByteReader::U16() {
    Need(2, "16-bit value");
    const uint16_t value = static_cast<uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
    position_ += 2;
    return value;
}

uint32_t ByteReader::U32() {
    Need(4, "32-bit value");
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes_[position_ + i];
    position_ += 4;
    return value;
}

std::span<const uint8_t> ByteReader::Bytes(size_t count, const char* what) {
    Need(count, what);
    const auto result = bytes_.subspan(position_, count);
    position_ += count;
    return result;
}

std::string ByteReader::Text(size_t count, const char* what) {
    const auto bytes = Bytes(count, what);
    return std::string(bytes.begin(), bytes.end());
}

uint32_t ByteReader::U32In(uint32_t low, uint32_t high, const char* what) {
    const uint32_t value = U32();
    if (value < low || value > high)
        throw DataFormatError(std::string("The ") + what + " is out of range (" +
                              std::to_string(value) + ").");
    return value;
}

int32_t ByteReader::I32In(int32_t low, int32_t high, const char* what) {
    const int32_t value = I32();
    if (value < low || value > high)
        throw DataFormatError(std::string("The ") + what + " is out of range (" +
                              std::to_string(value) + ").");
    return value;
}
