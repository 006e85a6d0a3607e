#include "core/student_record.h"

#include <cassert>
#include <stdexcept>

#include "core/record_texts.h"

namespace tolka::core {

namespace L = record_layout;
namespace W = record_width;

namespace {

struct Reader {
  ConstBytes b;
  std::string Str(size_t off, size_t cap) const { return GetShortString(b, off, cap); }
  uint16_t U16(size_t off) const { return GetU16(b, off); }
};

struct Writer {
  Bytes b;
  void Str(size_t off, size_t cap, const std::string& s) const { PutShortString(b, off, cap, s); }
  void U16(size_t off, uint16_t v) const { PutU16(b, off, v); }
};

}  // namespace

StudentRecord DecodeStudentRecord(ConstBytes bytes) {
  if (bytes.size() != L::kRecordSize) throw std::invalid_argument("student record size");
  const Reader r{bytes};
  StudentRecord rec;
  std::copy(bytes.begin(), bytes.end(), rec.carried.begin());
  rec.StatusWord = r.U16(L::kStatusWord);
  rec.StudentId = r.Str(L::kStudentId, W::kStudentId);
  rec.Salutation = r.U16(L::kSalutation);
  rec.Surname = r.Str(L::kSurname, W::kName);
  rec.GivenNames = r.Str(L::kGivenNames, W::kName);
  rec.BirthDate = r.Str(L::kBirthDate, W::kBirthDate);
  rec.BirthPlace = r.Str(L::kBirthPlace, W::kPlace);
  rec.Residence = r.Str(L::kResidence, W::kPlace);
  rec.ClassName = r.Str(L::kClassName, W::kClassName);
  rec.Tutor = r.Str(L::kTutor, W::kName);
  rec.Religion = r.Str(L::kReligion, W::kName);
  for (size_t i = 0; i < kForeignLanguageCount; ++i) {
    const size_t base = L::kForeignLanguages + i * L::kForeignLanguageSize;
    auto& fl = rec.ForeignLanguages[i];
    fl.Subject = r.Str(base + L::kLanguageSubject, W::kSubject);
    fl.FromGrade = r.Str(base + L::kFromGrade, W::kPoints);
    fl.ToGrade = r.Str(base + L::kToGrade, W::kPoints);
  }
  rec.Graecum = r.U16(L::kGraecum);
  rec.Latinum = r.U16(L::kLatinum);
  rec.Hebraicum = r.U16(L::kHebraicum);
  for (size_t i = 0; i < kIntroPhaseRowCount; ++i) {
    const size_t base = L::kIntroPhase + i * L::kIntroPhaseRowSize;
    auto& row = rec.IntroPhase[i];
    row.Subject = r.Str(base + L::kIntroSubject, W::kSubject);
    row.Mark1 = r.Str(base + L::kMark1, W::kMark);
    row.Mark2 = r.Str(base + L::kMark2, W::kMark);
  }
  rec.RepeatsIntroPhase = r.U16(L::kRepeatsIntroPhase);
  rec.SkippedIntroPhase = r.U16(L::kSkippedIntroPhase);
  rec.CompensationAllowable = r.U16(L::kCompensationAllowable);
  rec.CompensationGranted = r.U16(L::kCompensationGranted);
  rec.PromotableToQualPhase = r.U16(L::kPromotableToQualPhase);
  rec.PromotedByConference = r.U16(L::kPromotedByConference);
  for (size_t i = 0; i < kCourseRowCount; ++i) {
    const size_t base = L::kCourseChoices + i * L::kCourseChoiceSize;
    auto& cc = rec.CourseChoices[i];
    cc.Subject = r.Str(base + L::kChoiceSubject, W::kSubject);
    cc.ExamSubject = r.U16(base + L::kExamSubject);
    cc.AdvancedCourse = r.U16(base + L::kAdvancedCourse);
  }
  for (size_t i = 0; i < kCourseRowCount; ++i) {
    const size_t base = L::kCourseResults + i * L::kCourseResultSize;
    auto& cr = rec.CourseResults[i];
    cr.SubjectCopy = r.Str(base + L::kSubjectCopy, W::kSubject);
    for (size_t s = 0; s < kSemesterCount; ++s) {
      cr.SemesterPoints[s] = r.Str(base + L::kSemesterPoints + 3 * s, W::kPoints);
      cr.Credited[s] = r.U16(base + L::kCredited + 2 * s);
    }
    cr.WrittenExamPoints = r.Str(base + L::kWrittenExamPoints, W::kPoints);
    cr.OralExamPoints = r.Str(base + L::kOralExamPoints, W::kPoints);
    cr.CompetenceFlag = r.U16(base + L::kCompetenceFlag);
  }
  rec.SpecialWorkTopic = GetCharArray(bytes, L::kSpecialWorkTopic, W::kSpecialWorkTopic);
  rec.SpecialWorkMentor = r.Str(L::kSpecialWorkMentor, W::kPlace);
  rec.SpecialWorkCounts = r.U16(L::kSpecialWorkCounts);
  rec.SpecialWorkDocPoints = r.Str(L::kSpecialWorkDocPoints, W::kPoints);
  rec.SpecialWorkColloquiumPoints = r.Str(L::kSpecialWorkColloquiumPoints, W::kPoints);
  rec.SpecialWorkTotal = r.Str(L::kSpecialWorkTotal, W::kPoints);
  rec.InternalRemarks = GetCharArray(bytes, L::kInternalRemarks, W::kInternalRemarks);
  rec.CertificateRemarks = GetCharArray(bytes, L::kCertificateRemarks, W::kCertificateRemarks);
  for (size_t i = 0; i < kProjectCourseCount; ++i) {
    rec.ProjectCourses[i] =
        r.Str(L::kProjectCourses + i * L::kProjectCourseSize, W::kProjectCourse);
  }
  rec.ProjectCoursesHoldSpecialWork = r.U16(L::kProjectCoursesHoldSpecialWork);
  return rec;
}

void EncodeStudentRecord(const StudentRecord& rec, Bytes out) {
  if (out.size() != L::kRecordSize) throw std::invalid_argument("student record size");
  std::copy(rec.carried.begin(), rec.carried.end(), out.begin());
  const Writer w{out};
  w.U16(L::kStatusWord, rec.StatusWord);
  w.Str(L::kStudentId, W::kStudentId, rec.StudentId);
  w.U16(L::kSalutation, rec.Salutation);
  w.Str(L::kSurname, W::kName, rec.Surname);
  w.Str(L::kGivenNames, W::kName, rec.GivenNames);
  w.Str(L::kBirthDate, W::kBirthDate, rec.BirthDate);
  w.Str(L::kBirthPlace, W::kPlace, rec.BirthPlace);
  w.Str(L::kResidence, W::kPlace, rec.Residence);
  w.Str(L::kClassName, W::kClassName, rec.ClassName);
  w.Str(L::kTutor, W::kName, rec.Tutor);
  w.Str(L::kReligion, W::kName, rec.Religion);
  for (size_t i = 0; i < kForeignLanguageCount; ++i) {
    const size_t base = L::kForeignLanguages + i * L::kForeignLanguageSize;
    const auto& fl = rec.ForeignLanguages[i];
    w.Str(base + L::kLanguageSubject, W::kSubject, fl.Subject);
    w.Str(base + L::kFromGrade, W::kPoints, fl.FromGrade);
    w.Str(base + L::kToGrade, W::kPoints, fl.ToGrade);
  }
  w.U16(L::kGraecum, rec.Graecum);
  w.U16(L::kLatinum, rec.Latinum);
  w.U16(L::kHebraicum, rec.Hebraicum);
  for (size_t i = 0; i < kIntroPhaseRowCount; ++i) {
    const size_t base = L::kIntroPhase + i * L::kIntroPhaseRowSize;
    const auto& row = rec.IntroPhase[i];
    w.Str(base + L::kIntroSubject, W::kSubject, row.Subject);
    w.Str(base + L::kMark1, W::kMark, row.Mark1);
    w.Str(base + L::kMark2, W::kMark, row.Mark2);
  }
  w.U16(L::kRepeatsIntroPhase, rec.RepeatsIntroPhase);
  w.U16(L::kSkippedIntroPhase, rec.SkippedIntroPhase);
  w.U16(L::kCompensationAllowable, rec.CompensationAllowable);
  w.U16(L::kCompensationGranted, rec.CompensationGranted);
  w.U16(L::kPromotableToQualPhase, rec.PromotableToQualPhase);
  w.U16(L::kPromotedByConference, rec.PromotedByConference);
  for (size_t i = 0; i < kCourseRowCount; ++i) {
    const size_t base = L::kCourseChoices + i * L::kCourseChoiceSize;
    const auto& cc = rec.CourseChoices[i];
    w.Str(base + L::kChoiceSubject, W::kSubject, cc.Subject);
    w.U16(base + L::kExamSubject, cc.ExamSubject);
    w.U16(base + L::kAdvancedCourse, cc.AdvancedCourse);
  }
  for (size_t i = 0; i < kCourseRowCount; ++i) {
    const size_t base = L::kCourseResults + i * L::kCourseResultSize;
    const auto& cr = rec.CourseResults[i];
    w.Str(base + L::kSubjectCopy, W::kSubject, cr.SubjectCopy);
    for (size_t s = 0; s < kSemesterCount; ++s) {
      w.Str(base + L::kSemesterPoints + 3 * s, W::kPoints, cr.SemesterPoints[s]);
      w.U16(base + L::kCredited + 2 * s, cr.Credited[s]);
    }
    w.Str(base + L::kWrittenExamPoints, W::kPoints, cr.WrittenExamPoints);
    w.Str(base + L::kOralExamPoints, W::kPoints, cr.OralExamPoints);
    w.U16(base + L::kCompetenceFlag, cr.CompetenceFlag);
  }
  PutCharArray(out, L::kSpecialWorkTopic, W::kSpecialWorkTopic, rec.SpecialWorkTopic);
  w.Str(L::kSpecialWorkMentor, W::kPlace, rec.SpecialWorkMentor);
  w.U16(L::kSpecialWorkCounts, rec.SpecialWorkCounts);
  w.Str(L::kSpecialWorkDocPoints, W::kPoints, rec.SpecialWorkDocPoints);
  w.Str(L::kSpecialWorkColloquiumPoints, W::kPoints, rec.SpecialWorkColloquiumPoints);
  w.Str(L::kSpecialWorkTotal, W::kPoints, rec.SpecialWorkTotal);
  PutCharArray(out, L::kInternalRemarks, W::kInternalRemarks, rec.InternalRemarks);
  PutCharArray(out, L::kCertificateRemarks, W::kCertificateRemarks, rec.CertificateRemarks);
  for (size_t i = 0; i < kProjectCourseCount; ++i) {
    w.Str(L::kProjectCourses + i * L::kProjectCourseSize, W::kProjectCourse, rec.ProjectCourses[i]);
  }
  w.U16(L::kProjectCoursesHoldSpecialWork, rec.ProjectCoursesHoldSpecialWork);
}

std::array<uint8_t, record_layout::kRecordSize> EncodeStudentRecord(const StudentRecord& record) {
  std::array<uint8_t, record_layout::kRecordSize> out{};
  EncodeStudentRecord(record, out);
  return out;
}

StudentRecord InitialisedRecord(const IntroPhaseDefaults& defaults) {
  StudentRecord rec;  // numbers and flags 0, carried bytes zero
  rec.Surname = kFreeSlot;
  rec.BirthDate = "00.00.0000";
  rec.ClassName = kNothingChosen;
  rec.Tutor = kNothingChosen;
  rec.Religion = kNothingChosen;
  for (auto& fl : rec.ForeignLanguages) fl = {kNothingChosen, kNoPoints, kNoPoints};
  for (size_t r = 0; r < kIntroPhaseRowCount; ++r) {
    if (r < defaults.size()) {
      rec.IntroPhase[r] = {defaults[r].Subject, kNoMark,
                           defaults[r].OneSemester ? kNotTaught : kNoMark};
    } else {
      rec.IntroPhase[r] = {kNothingChosen, kNoMark, kNoMark};
    }
  }
  for (size_t k = 0; k < kCourseRowCount; ++k) {
    rec.CourseChoices[k].Subject = kNothingChosen;
    // LK1 and LK2 are exam subjects and advanced courses from the start.
    const uint16_t lk = k < 2 ? 1 : 0;
    rec.CourseChoices[k].ExamSubject = lk;
    rec.CourseChoices[k].AdvancedCourse = lk;
    auto& cr = rec.CourseResults[k];
    cr.SubjectCopy = kNothingChosen;
    for (auto& p : cr.SemesterPoints) p = kNoPoints;
    cr.WrittenExamPoints = kNoPoints;
    cr.OralExamPoints = kNoPoints;
  }
  rec.SpecialWorkTopic = kNothingChosen;
  rec.SpecialWorkDocPoints = kNoPoints;
  rec.SpecialWorkColloquiumPoints = kNoPoints;
  rec.SpecialWorkTotal = kNoPoints;
  rec.InternalRemarks = kNothingChosen;
  rec.CertificateRemarks = kNothingChosen;
  for (auto& pc : rec.ProjectCourses) pc = kNothingChosen;
  rec.carried = EncodeStudentRecord(rec);
  return rec;
}

bool IsFree(const StudentRecord& record) {
  return record.Surname.empty() || record.Surname == kFreeSlot;
}

std::string ListLine(const StudentRecord& record) {
  if (record.Surname.empty()) return "    - frei -";
  if (record.Surname == kFreeSlot) return record.Surname + record.GivenNames;
  return record.Surname + ", " + record.GivenNames;
}

int PointsValue(const std::string& points) {
  if (points.size() != 2 || points[0] < '0' || points[0] > '9' || points[1] < '0' ||
      points[1] > '9') {
    return kNoValue;
  }
  const int value = (points[0] - '0') * 10 + (points[1] - '0');
  return value <= 15 ? value : kNoValue;
}

CourseChange DetectCourseChange(const std::string& old_copy, const std::string& new_subject) {
  if (old_copy == new_subject || old_copy.empty() || old_copy == kNothingChosen) {
    return CourseChange::None;
  }
  return new_subject == kNothingChosen ? CourseChange::Removed : CourseChange::Exchanged;
}

CourseChange ApplyCourseChange(StudentRecord& record, size_t row) {
  assert(row < kCourseRowCount);
  auto& copy = record.CourseResults.at(row).SubjectCopy;
  const auto& subject = record.CourseChoices.at(row).Subject;
  const CourseChange change = DetectCourseChange(copy, subject);
  copy = subject.substr(0, record_width::kSubject);
  return change;
}

}  // namespace tolka::core
