// The recovery copy: the data block of a session with unsaved changes,
// written now and then so that a program that was killed or crashed loses
// little. It names the data file it belongs to, so the next start can offer
// it. The layout (all numbers little-endian):
//
//   offset  size  field
//        0     8  magic "TLKWIEDR"
//        8     8  Written: time the copy was written, milliseconds since
//                 1970-01-01 UTC (signed)
//       16     8  FileTime: the data file's modification time as the
//                 session last read or wrote it, in ticks of the file
//                 system clock (0 = none: new data or never saved)
//       24     4  ProcessId of the program that wrote the copy
//       28     2  H = length of the host name
//       30     H  host name (the system's bytes)
//     30+H     2  P = length of the data file's path (0 = new unsaved data)
//     32+H     P  the data file's full path (the file system's bytes)
//   32+H+P 159712 the data block exactly as Save writes it (enciphered when
//                 the data are protected)
//      end-4   4  CRC-32 (IEEE) over every byte before it
//
// A file of any other size, with another magic or a wrong checksum is
// damaged: DecodeRecoveryFile says so and never reads outside the bytes.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data_file_image.h"

namespace tolka::core {

inline constexpr size_t kRecoveryMagicSize = 8;
inline constexpr size_t kRecoveryFixedSize = 8 + 8 + 8 + 4 + 2 + 2 + 4;  // 36 + names
inline constexpr size_t kRecoveryNameCapacity = 0xFFFF;

struct RecoveryCopy {
  std::chrono::system_clock::time_point Written{};
  int64_t FileTime = 0;
  int64_t ProcessId = 0;
  std::string Host;
  std::string DataFile;  // empty: new unsaved data
  DataFileBlock Block;
};

// CRC-32 (IEEE 802.3, reflected, as zip uses it).
uint32_t Crc32(const uint8_t* bytes, size_t size);

// The file's bytes. Host and path longer than 65535 bytes are cut (paths
// are far shorter).
std::vector<uint8_t> EncodeRecoveryFile(const RecoveryCopy& copy);

// The copy, or nothing when the bytes are not a whole, undamaged copy.
std::optional<RecoveryCopy> DecodeRecoveryFile(const std::vector<uint8_t>& bytes);

}  // namespace tolka::core
