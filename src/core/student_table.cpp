#include "core/student_table.h"

#include <stdexcept>
#include <string>

namespace tolka::core {

StudentRecord& StudentTable::At(size_t index) {
  if (index >= kSlotCount) throw std::out_of_range("student index outside 0..35");
  return slots_[index];
}

const StudentRecord& StudentTable::At(size_t index) const {
  if (index >= kSlotCount) throw std::out_of_range("student index outside 0..35");
  return slots_[index];
}

void StudentTable::Initialise(const IntroPhaseDefaults& defaults) {
  const StudentRecord fresh = InitialisedRecord(defaults);
  for (size_t i = 0; i < kListCount; ++i) {
    slots_[i] = fresh;
    slots_[i].StudentId = std::to_string(i + 1);
    slots_[i].carried = EncodeStudentRecord(slots_[i]);
  }
}

}  // namespace tolka::core
