#include "core/recovery_file.h"

#include <algorithm>
#include <cstring>

namespace tolka::core {

namespace {

constexpr char kMagic[kRecoveryMagicSize + 1] = "TLKWIEDR";

void PutLe(std::vector<uint8_t>& out, uint64_t value, size_t size) {
  for (size_t i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Reads `size` bytes little-endian at `at`; false when they run past the end.
bool GetLe(const std::vector<uint8_t>& in, size_t& at, size_t size, uint64_t& value) {
  if (at > in.size() || in.size() - at < size) return false;
  value = 0;
  for (size_t i = 0; i < size; ++i) value |= static_cast<uint64_t>(in[at + i]) << (8 * i);
  at += size;
  return true;
}

bool GetText(const std::vector<uint8_t>& in, size_t& at, std::string& text) {
  uint64_t length = 0;
  if (!GetLe(in, at, 2, length)) return false;
  if (at > in.size() || in.size() - at < length) return false;
  text.assign(in.begin() + static_cast<std::ptrdiff_t>(at),
              in.begin() + static_cast<std::ptrdiff_t>(at + length));
  at += length;
  return true;
}

void PutText(std::vector<uint8_t>& out, const std::string& text) {
  const size_t length = std::min(text.size(), kRecoveryNameCapacity);
  PutLe(out, length, 2);
  out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
}

}  // namespace

uint32_t Crc32(const uint8_t* bytes, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::vector<uint8_t> EncodeRecoveryFile(const RecoveryCopy& copy) {
  std::vector<uint8_t> out(kMagic, kMagic + kRecoveryMagicSize);
  const int64_t written =
      std::chrono::duration_cast<std::chrono::milliseconds>(copy.Written.time_since_epoch())
          .count();
  PutLe(out, static_cast<uint64_t>(written), 8);
  PutLe(out, static_cast<uint64_t>(copy.FileTime), 8);
  PutLe(out, static_cast<uint64_t>(copy.ProcessId), 4);
  PutText(out, copy.Host);
  PutText(out, copy.DataFile);
  out.insert(out.end(), copy.Block.begin(), copy.Block.end());
  out.resize(out.size() - copy.Block.size() + kDataFileSize, 0);  // always the whole block
  PutLe(out, Crc32(out.data(), out.size()), 4);
  return out;
}

std::optional<RecoveryCopy> DecodeRecoveryFile(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < kRecoveryFixedSize + kDataFileSize) return std::nullopt;
  if (std::memcmp(bytes.data(), kMagic, kRecoveryMagicSize) != 0) return std::nullopt;
  size_t at = bytes.size() - 4;
  uint64_t stored_crc = 0;
  if (!GetLe(bytes, at, 4, stored_crc)) return std::nullopt;
  if (Crc32(bytes.data(), bytes.size() - 4) != stored_crc) return std::nullopt;

  RecoveryCopy copy;
  at = kRecoveryMagicSize;
  uint64_t written = 0, file_time = 0, process = 0;
  if (!GetLe(bytes, at, 8, written) || !GetLe(bytes, at, 8, file_time) ||
      !GetLe(bytes, at, 4, process) || !GetText(bytes, at, copy.Host) ||
      !GetText(bytes, at, copy.DataFile)) {
    return std::nullopt;
  }
  // Exactly the block and the checksum after the names.
  if (bytes.size() - at != kDataFileSize + 4) return std::nullopt;
  copy.Written = std::chrono::system_clock::time_point(
      std::chrono::milliseconds(static_cast<int64_t>(written)));
  copy.FileTime = static_cast<int64_t>(file_time);
  copy.ProcessId = static_cast<int64_t>(process);
  copy.Block.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                    bytes.begin() + static_cast<std::ptrdiff_t>(at + kDataFileSize));
  return copy;
}

}  // namespace tolka::core
