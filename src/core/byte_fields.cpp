#include "core/byte_fields.h"

#include <bit>
#include <cstring>
#include <stdexcept>

namespace tolka::core {

namespace {

void CheckRange(size_t block_size, size_t offset, size_t width) {
  if (offset > block_size || width > block_size - offset) {
    throw std::out_of_range("field outside its block");
  }
}

}  // namespace

uint16_t GetU16(ConstBytes block, size_t offset) {
  CheckRange(block.size(), offset, 2);
  return static_cast<uint16_t>(block[offset] | (block[offset + 1] << 8));
}

void PutU16(Bytes block, size_t offset, uint16_t value) {
  CheckRange(block.size(), offset, 2);
  block[offset] = static_cast<uint8_t>(value & 0xFF);
  block[offset + 1] = static_cast<uint8_t>(value >> 8);
}

int16_t GetI16(ConstBytes block, size_t offset) {
  return static_cast<int16_t>(GetU16(block, offset));
}

void PutI16(Bytes block, size_t offset, int16_t value) {
  PutU16(block, offset, static_cast<uint16_t>(value));
}

int32_t GetI32(ConstBytes block, size_t offset) {
  CheckRange(block.size(), offset, 4);
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | block[offset + i];
  return static_cast<int32_t>(v);
}

void PutI32(Bytes block, size_t offset, int32_t value) {
  CheckRange(block.size(), offset, 4);
  auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}

double GetF64(ConstBytes block, size_t offset) {
  CheckRange(block.size(), offset, 8);
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | block[offset + i];
  return std::bit_cast<double>(v);
}

void PutF64(Bytes block, size_t offset, double value) {
  CheckRange(block.size(), offset, 8);
  auto v = std::bit_cast<uint64_t>(value);
  for (int i = 0; i < 8; ++i) block[offset + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::string GetShortString(ConstBytes block, size_t offset, size_t capacity) {
  CheckRange(block.size(), offset, capacity + 1);
  size_t length = block[offset];
  if (length > capacity) length = capacity;
  return std::string(reinterpret_cast<const char*>(block.data() + offset + 1), length);
}

void PutShortString(Bytes block, size_t offset, size_t capacity, const std::string& text) {
  CheckRange(block.size(), offset, capacity + 1);
  const size_t length = text.size() < capacity ? text.size() : capacity;
  if (GetShortString(block, offset, capacity) == text.substr(0, length)) return;
  block[offset] = static_cast<uint8_t>(length);
  std::memcpy(block.data() + offset + 1, text.data(), length);
}

std::string GetCharArray(ConstBytes block, size_t offset, size_t size) {
  CheckRange(block.size(), offset, size);
  const auto* begin = reinterpret_cast<const char*>(block.data() + offset);
  size_t length = 0;
  while (length < size && begin[length] != '\0') ++length;
  return std::string(begin, length);
}

void PutCharArray(Bytes block, size_t offset, size_t size, const std::string& text) {
  CheckRange(block.size(), offset, size);
  if (size == 0 || GetCharArray(block, offset, size) == text) return;
  // The text may hold no zero byte: it would end the text early on reading.
  std::string cut = text.substr(0, text.find('\0'));
  if (cut.size() > size - 1) cut.resize(size - 1);
  std::memcpy(block.data() + offset, cut.data(), cut.size());
  std::memset(block.data() + offset + cut.size(), 0, size - cut.size());
}

}  // namespace tolka::core
