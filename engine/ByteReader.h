#pragma once
// Bounds-checked little-endian reader for our data files. Every read checks what is left first and
// throws DataFormatError with a reason a player can read, so a damaged file is never trusted.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

class DataFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    std::span<const uint8_t> Bytes(size_t count, const char* what);
    std::string Text(size_t count, const char* what);

    // A u32 that must lie in low..high.
    uint32_t U32In(uint32_t low, uint32_t high, const char* what);
    int32_t I32In(int32_t low, int32_t high, const char* what);

    size_t Left() const { return bytes_.size() - position_; }
    size_t Position() const { return position_; }

private:
    void Need(size_t count, const char* what) const;

    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};
