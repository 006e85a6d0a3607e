#include "rules/work_area.h"

#include "core/record_texts.h"

namespace tolka::rules {

int32_t RulePoints(const std::string& points) { return core::PointsValue(points); }

ResultTexts EmptyResultTexts() {
  ResultTexts texts;
  for (auto& column : texts) column.fill(kNoResultText);
  return texts;
}

void PrepareWorkArea(const core::StudentTable& table, size_t index,
                     const settings::SubjectCatalogue& catalogue, RuleWorkArea& area,
                     CheckResultList& list) {
  const core::StudentRecord& record = table.At(index);
  area.StatusWord = record.StatusWord;
  area.Student = record;
  // The topic, mentor and remark texts are not part of the work area.
  area.Student.SpecialWorkTopic.clear();
  area.Student.SpecialWorkMentor.clear();
  area.Student.InternalRemarks.clear();
  area.Student.CertificateRemarks.clear();
  area.SubjectSlots = {};

  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const std::string& name = catalogue.Entries[k].SubjectName;
    if (name == core::kNothingChosen) continue;
    SubjectSlot& slot = area.SubjectSlots[k];
    for (size_t j = 0; j < core::kCourseRowCount; ++j) {
      const core::CourseChoice& choice = record.CourseChoices[j];
      if (choice.Subject != name) continue;
      // Item 16: the subject is chosen in two course rows; the later row wins.
      if (slot.CourseKind == 1 || slot.CourseKind == 2) list.Raise(16);
      slot.CourseKind = choice.AdvancedCourse == 1 ? 2 : 1;
      slot.IsExamSubject = static_cast<int16_t>(choice.ExamSubject);
      const core::CourseResult& result = record.CourseResults[j];
      for (size_t s = 1; s <= core::kSemesterCount; ++s) {
        slot.Points[s] = RulePoints(result.SemesterPoints[s - 1]);
        slot.Credited[s] = static_cast<int16_t>(result.Credited[s - 1]);
        slot.SemesterFactor[s] = static_cast<uint16_t>(slot.CourseKind);
      }
      slot.Points[5] = RulePoints(result.WrittenExamPoints);
      slot.Points[6] = RulePoints(result.OralExamPoints);
      slot.Credited[5] = static_cast<int16_t>(result.CompetenceFlag);
    }
  }
}

void WriteBackCredits(const RuleWorkArea& area, size_t index, core::StudentTable& table,
                      const settings::SubjectCatalogue& catalogue) {
  core::StudentRecord& record = table.At(index);
  record.StatusWord = area.StatusWord;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const std::string& name = catalogue.Entries[k].SubjectName;
    // The unused catalogue entries carry the placeholder name; a course row
    // without a subject is no course of theirs (preparation skips them too).
    if (name == core::kNothingChosen) continue;
    for (auto& result : record.CourseResults) {
      if (result.SubjectCopy != name) continue;
      for (size_t s = 1; s <= core::kSemesterCount; ++s) {
        result.Credited[s - 1] = static_cast<uint16_t>(area.SubjectSlots[k].Credited[s]);
      }
    }
  }
}

void ClearCredits(core::StudentTable& table, size_t index) {
  for (auto& result : table.At(index).CourseResults) result.Credited = {};
}

}  // namespace tolka::rules
