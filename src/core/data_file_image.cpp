#include "core/data_file_image.h"

#include <span>
#include <stdexcept>

namespace tolka::core {

namespace {
void CheckSize(const DataFileBlock& block) {
  if (block.size() != kDataFileSize) throw std::invalid_argument("data file block size");
}
}  // namespace

DataFileBlock EmptyBlock() { return DataFileBlock(kDataFileSize, 0); }

void EncodeTable(const StudentTable& table, DataFileBlock& block) {
  CheckSize(block);
  for (size_t i = 0; i < kSlotCount; ++i) {
    EncodeStudentRecord(table.At(i), std::span(block).subspan(i * record_layout::kRecordSize,
                                                              record_layout::kRecordSize));
  }
}

StudentTable DecodeTable(const DataFileBlock& block) {
  CheckSize(block);
  StudentTable table;
  for (size_t i = 0; i < kSlotCount; ++i) {
    table.At(i) = DecodeStudentRecord(
        std::span(block).subspan(i * record_layout::kRecordSize, record_layout::kRecordSize));
  }
  return table;
}

std::string GetPasswordField(const DataFileBlock& block) {
  CheckSize(block);
  return GetShortString(block, kPasswordFieldOffset, kPasswordCapacity);
}

void SetPasswordField(DataFileBlock& block, const std::string& scrambled) {
  CheckSize(block);
  // The field is written whole: its length byte is what marks a protected file.
  PutShortString(block, kPasswordFieldOffset, kPasswordCapacity, scrambled);
}

}  // namespace tolka::core
