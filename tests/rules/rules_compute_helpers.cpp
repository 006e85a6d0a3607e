#include "rules/rules_compute_helpers.h"

#include "core/record_texts.h"

namespace tolka::rules::compute_test {

SubjectSlot& SetCourse(RuleWorkArea& area, size_t k, int16_t kind, Semesters points) {
  SubjectSlot& slot = area.SubjectSlots.at(k);
  slot = SubjectSlot{};
  slot.CourseKind = kind;
  for (size_t s = 1; s <= 4; ++s) {
    slot.Points[s] = points[s - 1];
    slot.SemesterFactor[s] = static_cast<uint16_t>(kind);
  }
  slot.Points[5] = kNo;
  slot.Points[6] = kNo;
  return slot;
}

SubjectSlot& SetExam(RuleWorkArea& area, size_t k, int16_t kind, Semesters points, int32_t written,
                     int32_t oral) {
  SubjectSlot& slot = SetCourse(area, k, kind, points);
  slot.IsExamSubject = 1;
  slot.Points[5] = written;
  slot.Points[6] = oral;
  return slot;
}

void Credit(SubjectSlot& slot, std::initializer_list<size_t> semesters) {
  for (size_t s : semesters) slot.Credited.at(s) = 1;
}

void CreditAll(SubjectSlot& slot) { Credit(slot, {1, 2, 3, 4}); }

std::string Credits(const SubjectSlot& slot) {
  std::string text;
  for (size_t s = 1; s <= 4; ++s) text += slot.Credited[s] == 1 ? '1' : '0';
  return text;
}

RuleWorkArea CompleteStudent() {
  RuleWorkArea area;
  const Semesters ten{10, 10, 10, 10};
  CreditAll(SetExam(area, kMathematik, kAdvanced, ten, 10, kNo));
  CreditAll(SetExam(area, kEnglisch, kAdvanced, ten, 10, kNo));
  CreditAll(SetExam(area, kDeutsch, kBasic, ten, 10, kNo));
  CreditAll(SetExam(area, kGeschichte, kBasic, ten, kNo, 10));
  for (size_t k : {kBiologie, kPhysik, kKunst, kReligion}) {
    CreditAll(SetCourse(area, k, kBasic, ten));
  }
  return area;
}

std::vector<int> Raised(const CheckResultList& list) {
  std::vector<int> items;
  for (int i = 1; i <= kItemCount; ++i) {
    if (list.IsRaised(i)) items.push_back(i);
  }
  return items;
}

std::vector<int> Noted(const CheckResultList& list) {
  std::vector<int> items;
  for (int i = 1; i <= kItemCount; ++i) {
    if (list.IsNoted(i)) items.push_back(i);
  }
  return items;
}

core::StudentRecord RecordWith(const std::vector<CourseRow>& rows) {
  core::StudentRecord record;
  record.Surname = "Muster";
  record.GivenNames = "Anna";
  for (size_t j = 0; j < core::kCourseRowCount; ++j) {
    core::CourseChoice& choice = record.CourseChoices[j];
    core::CourseResult& result = record.CourseResults[j];
    choice.Subject = core::kNothingChosen;
    result.SubjectCopy = core::kNothingChosen;
    result.SemesterPoints.fill(core::kNoPoints);
    result.WrittenExamPoints = core::kNoPoints;
    result.OralExamPoints = core::kNoPoints;
    if (j >= rows.size()) continue;
    const CourseRow& row = rows[j];
    choice.Subject = row.Subject;
    choice.AdvancedCourse = row.Advanced ? 1 : 0;
    choice.ExamSubject = row.Exam ? 1 : 0;
    result.SubjectCopy = row.Subject;
    result.SemesterPoints = row.Points;
    result.WrittenExamPoints = row.Written;
    result.OralExamPoints = row.Oral;
  }
  return record;
}

}  // namespace tolka::rules::compute_test
