// Little-endian field helpers for the fixed binary blocks of the data file
// and the settings files. Every multi-byte number is stored least-significant
// byte first; nothing here depends on the host's byte order or on compiler
// padding. Every access is bounds-checked: an offset outside the block is a
// programming error and throws std::out_of_range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tolka::core {

using Bytes = std::span<uint8_t>;
using ConstBytes = std::span<const uint8_t>;

uint16_t GetU16(ConstBytes block, size_t offset);
void PutU16(Bytes block, size_t offset, uint16_t value);
int16_t GetI16(ConstBytes block, size_t offset);
void PutI16(Bytes block, size_t offset, int16_t value);
int32_t GetI32(ConstBytes block, size_t offset);
void PutI32(Bytes block, size_t offset, int32_t value);
double GetF64(ConstBytes block, size_t offset);
void PutF64(Bytes block, size_t offset, double value);

// string[capacity]: one length byte, then up to `capacity` characters in
// capacity + 1 bytes. A length byte above the capacity (a damaged or foreign
// file) is read as the capacity, so no read ever leaves its field.
std::string GetShortString(ConstBytes block, size_t offset, size_t capacity);

// Writes `text` cut to `capacity`. When the field already holds that text the
// bytes are left alone, so a block read and written back stays byte-identical
// (the length byte of a damaged field included). Bytes after the new text keep
// what they held: they carry no meaning.
void PutShortString(Bytes block, size_t offset, size_t capacity, const std::string& text);

// char[size]: text without a length byte, ending at the first zero byte or at
// the end of the array.
std::string GetCharArray(ConstBytes block, size_t offset, size_t size);

// Writes `text` cut to size - 1 characters, then zero bytes to the end of the
// array. Unchanged text leaves the bytes alone (see PutShortString).
void PutCharArray(Bytes block, size_t offset, size_t size, const std::string& text);

}  // namespace tolka::core
