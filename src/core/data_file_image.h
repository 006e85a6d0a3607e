// The `DataFileImage`: the 159712-byte block of a data file, no header, no
// magic, no version. The table (36 records) comes first, enciphered when the
// password field is not empty; the 16-byte data password field (string[15],
// the scrambled password) follows and is never enciphered.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/student_table.h"

namespace tolka::core {

inline constexpr size_t kPasswordFieldOffset = kTableSize;  // 159696
inline constexpr size_t kPasswordCapacity = 15;             // string[15]
inline constexpr size_t kDataFileSize = kTableSize + kPasswordCapacity + 1;
static_assert(kDataFileSize == 159712);

using DataFileBlock = std::vector<uint8_t>;  // always kDataFileSize bytes

// The table as stored bytes and the table decoded from them.
void EncodeTable(const StudentTable& table, DataFileBlock& block);
StudentTable DecodeTable(const DataFileBlock& block);

// The password field (scrambled password) of a block.
std::string GetPasswordField(const DataFileBlock& block);
void SetPasswordField(DataFileBlock& block, const std::string& scrambled);

DataFileBlock EmptyBlock();

}  // namespace tolka::core
