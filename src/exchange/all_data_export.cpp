#include "exchange/all_data_export.h"

#include <cassert>

#include "exchange/export_text.h"

namespace tolka::exchange {

namespace {

// The rows of the course tables that the line holds (13 and 14 are hidden
// and not exported).
constexpr size_t kExportedCourseRows = 13;
// IntroPhase rows 1, 2, 5 and 6 are one-semester subjects: their Mark2 has
// no field in the line.
constexpr bool HasMark2Field(size_t row) { return row != 1 && row != 2 && row != 5 && row != 6; }

std::string SalutationText(uint16_t code) {
  if (code == 1) return "Frau";
  if (code == 2) return "Herr";
  return "???";
}

// Fields 23..25: 1 the small, 2 the great certificate.
std::string CertificateText(uint16_t code, const char* small, const char* great) {
  if (code == 1) return small;
  if (code == 2) return great;
  return "";
}

}  // namespace

std::vector<std::string> AllDataFields(const core::StudentRecord& r) {
  std::vector<std::string> f;
  f.reserve(kAllDataFieldCount);
  const auto text = [&f](const std::string& t) { f.push_back(ExportField(t)); };
  const auto flag = [&f](uint16_t v) { f.push_back(YesNo(v)); };

  text(r.StudentId);                          // 1
  f.push_back(SalutationText(r.Salutation));  // 2
  text(r.Surname);                            // 3
  text(r.GivenNames);
  text(r.BirthDate);
  text(r.BirthPlace);
  text(r.Residence);
  text(r.Religion);
  text(r.ClassName);
  text(r.Tutor);                                                           // 10
  for (const core::ForeignLanguageEntry& language : r.ForeignLanguages) {  // 11..22
    text(language.Subject);
    text(language.FromGrade);
    text(language.ToGrade);
  }
  f.push_back(CertificateText(r.Graecum, "Graecum", "Großes Graecum"));  // 23
  f.push_back(CertificateText(r.Latinum, "Latinum", "Großes Latinum"));
  f.push_back(CertificateText(r.Hebraicum, "Hebraicum", "Großes Hebraicum"));  // 25
  for (size_t row = 0; row < core::kIntroPhaseRowCount; ++row) {               // 26..72
    const core::IntroPhaseRow& intro = r.IntroPhase[row];
    text(intro.Subject);
    text(intro.Mark1);
    if (row > 8 || HasMark2Field(row)) text(intro.Mark2);
  }
  assert(f.size() == 72);
  flag(r.RepeatsIntroPhase);  // 73
  flag(r.SkippedIntroPhase);
  flag(r.CompensationAllowable);
  flag(r.CompensationGranted);
  flag(r.PromotableToQualPhase);
  flag(r.PromotedByConference);                             // 78
  for (size_t row = 0; row < kExportedCourseRows; ++row) {  // 79..117
    const core::CourseChoice& choice = r.CourseChoices[row];
    text(choice.Subject);
    flag(choice.ExamSubject);
    flag(choice.AdvancedCourse);
  }
  assert(f.size() == 117);
  for (size_t row = 0; row < kExportedCourseRows; ++row) {  // 118..273
    const core::CourseResult& result = r.CourseResults[row];
    text(result.SubjectCopy);
    for (size_t s = 0; s < core::kSemesterCount; ++s) {
      text(result.SemesterPoints[s]);
      flag(result.Credited[s]);
    }
    flag(result.CompetenceFlag);
    text(result.WrittenExamPoints);
    text(result.OralExamPoints);
  }
  assert(f.size() == 273);
  text(r.SpecialWorkTopic);  // 274
  text(r.SpecialWorkMentor);
  flag(r.SpecialWorkCounts);
  text(r.SpecialWorkDocPoints);
  text(r.SpecialWorkColloquiumPoints);
  text(r.SpecialWorkTotal);
  text(r.InternalRemarks);                                          // 280
  text(r.CertificateRemarks);                                       // 281
  for (const std::string& course : r.ProjectCourses) text(course);  // 282..285
  flag(r.ProjectCoursesHoldSpecialWork);                            // 286
  assert(f.size() == kAllDataFieldCount);
  return f;
}

std::string AllDataLine(const core::StudentRecord& record) {
  return ExportLine(AllDataFields(record));
}

std::string AllDataExport(const core::StudentTable& table) {
  std::string text;
  for (size_t slot = 0; slot < core::kListCount; ++slot) {
    const core::StudentRecord& record = table.At(slot);
    if (!core::IsFree(record)) text += AllDataLine(record);
  }
  return text;
}

}  // namespace tolka::exchange
