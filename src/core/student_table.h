// The `StudentTable`: 36 record slots, index 0..35. The student list and every
// operation over all students covers slots 0..34; slot 35 is the spill slot
// that receives the record pushed out by a paste.
#pragma once

#include <array>
#include <cstddef>

#include "core/student_record.h"

namespace tolka::core {

inline constexpr size_t kSlotCount = 36;
inline constexpr size_t kListCount = 35;
inline constexpr size_t kTableSize = kSlotCount * record_layout::kRecordSize;  // 159696
static_assert(kTableSize == 159696);

class StudentTable {
 public:
  // Every access checks 0 <= index <= 35; an index outside is a programming
  // error and throws std::out_of_range.
  StudentRecord& At(size_t index);
  const StudentRecord& At(size_t index) const;

  // Initialise table: slots 0..34 get the initialised record with `StudentId`
  // "1".."35"; slot 35 is not touched.
  void Initialise(const IntroPhaseDefaults& defaults);

 private:
  std::array<StudentRecord, kSlotCount> slots_;
};

}  // namespace tolka::core
