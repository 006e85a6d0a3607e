#include "core/student_record.h"

#include <gtest/gtest.h>

#include <random>

#include "core/record_texts.h"
#include "core/student_table.h"

namespace tolka::core {
namespace {

namespace L = record_layout;

IntroPhaseDefaults SampleDefaults() {
  IntroPhaseDefaults d;
  const char* names[9] = {"Deutsch",    "Kunst und Gestaltung", "Musik",
                          "Geschichte", kNothingChosen,         "Sozialkunde",
                          "Geographie", "Mathematik",           "Sport"};
  const bool one[9] = {false, true, true, false, false, true, true, false, false};
  for (size_t i = 0; i < 9; ++i) d[i] = {names[i], one[i]};
  return d;
}

std::string ShortAt(const std::array<uint8_t, L::kRecordSize>& b, size_t off) {
  return std::string(reinterpret_cast<const char*>(&b[off + 1]), b[off]);
}

TEST(StudentRecord, InitialValuesStandAtTheirOffsets) {
  const auto bytes = EncodeStudentRecord(InitialisedRecord(SampleDefaults()));
  EXPECT_EQ(ShortAt(bytes, L::kSurname), kFreeSlot);
  EXPECT_EQ(bytes[16], 11);
  EXPECT_EQ(ShortAt(bytes, 98), "00.00.0000");
  EXPECT_EQ(ShortAt(bytes, 251), kNothingChosen);
  EXPECT_EQ(ShortAt(bytes, 262), kNothingChosen);
  EXPECT_EQ(ShortAt(bytes, 303), kNothingChosen);
  EXPECT_EQ(ShortAt(bytes, 344), kNothingChosen);      // language 1 subject
  EXPECT_EQ(ShortAt(bytes, 344 + 31), "--");           // FromGrade
  EXPECT_EQ(ShortAt(bytes, 344 + 3 * 37 + 34), "--");  // language 4 ToGrade
  EXPECT_EQ(ShortAt(bytes, 498), "Deutsch");           // intro row 0
  EXPECT_EQ(ShortAt(bytes, 498 + 35 + 33), "#");       // row 1 Mark2
  EXPECT_EQ(ShortAt(bytes, 498 + 3 * 35 + 33), "-");   // row 3 Mark2
  EXPECT_EQ(ShortAt(bytes, 498 + 4 * 35), kNothingChosen);
  EXPECT_EQ(ShortAt(bytes, 498 + 16 * 35 + 31), "-");
  EXPECT_EQ(bytes[1106 + 32], 1);                        // row a ExamSubject
  EXPECT_EQ(bytes[1106 + 34], 1);                        // row a AdvancedCourse
  EXPECT_EQ(bytes[1106 + 36 + 32], 1);                   // row b
  EXPECT_EQ(bytes[1106 + 2 * 36 + 32], 0);               // row c
  EXPECT_EQ(ShortAt(bytes, 1646), kNothingChosen);       // SubjectCopy
  EXPECT_EQ(ShortAt(bytes, 1646 + 40), "--");            // Sem.4
  EXPECT_EQ(ShortAt(bytes, 1646 + 14 * 60 + 46), "--");  // last row oral
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[2546]), 8), kNothingChosen);
  EXPECT_EQ(bytes[2546 + 8], 0);
  EXPECT_EQ(ShortAt(bytes, 2820), "--");
  EXPECT_EQ(ShortAt(bytes, 2826), "--");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[2830]), 8), kNothingChosen);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[3830]), 8), kNothingChosen);
  EXPECT_EQ(ShortAt(bytes, 4230 + 3 * 51), kNothingChosen);
  EXPECT_EQ(bytes[4434], 0);
  EXPECT_EQ(bytes[2], 0);  // StudentId empty
}

TEST(StudentRecord, FieldsLandAtTheDocumentedOffsets) {
  StudentRecord r = InitialisedRecord(SampleDefaults());
  r.StatusWord = 0xBEEF;
  r.Salutation = 2;
  r.Surname = "Müller";
  r.Religion = "katholische";
  r.Hebraicum = 2;
  r.PromotedByConference = 1;
  r.CourseChoices[14].AdvancedCourse = 1;
  r.CourseResults[3].SemesterPoints[2] = "07";
  r.CourseResults[3].Credited[3] = 1;
  r.CourseResults[3].CompetenceFlag = 1;
  r.SpecialWorkCounts = 1;
  r.ProjectCourses[2] = "Chor";
  r.ProjectCoursesHoldSpecialWork = 1;
  const auto b = EncodeStudentRecord(r);
  EXPECT_EQ(b[0], 0xEF);
  EXPECT_EQ(b[1], 0xBE);
  EXPECT_EQ(b[14], 2);
  EXPECT_EQ(ShortAt(b, 16), "M\xFCller");
  EXPECT_EQ(ShortAt(b, 303), "katholische");
  EXPECT_EQ(b[496], 2);
  EXPECT_EQ(b[1104], 1);
  EXPECT_EQ(b[1106 + 14 * 36 + 34], 1);
  EXPECT_EQ(ShortAt(b, 1646 + 3 * 60 + 37), "07");
  EXPECT_EQ(b[1646 + 3 * 60 + 56], 1);
  EXPECT_EQ(b[1646 + 3 * 60 + 58], 1);
  EXPECT_EQ(b[2818], 1);
  EXPECT_EQ(ShortAt(b, 4230 + 2 * 51), "Chor");
  EXPECT_EQ(b[4434], 1);
}

TEST(StudentRecord, ArbitraryBytesSurviveDecodeAndEncode) {
  std::mt19937 rng(42);
  std::array<uint8_t, L::kRecordSize> raw{};
  for (auto& b : raw) b = static_cast<uint8_t>(rng());
  const StudentRecord rec = DecodeStudentRecord(raw);
  EXPECT_LE(rec.Surname.size(), 40u);  // damaged length bytes stay in their field
  EXPECT_EQ(EncodeStudentRecord(rec), raw);
}

TEST(StudentRecord, TextsAreCutToTheirFields) {
  StudentRecord r = InitialisedRecord(SampleDefaults());
  r.Surname = std::string(41, 'x');
  r.SpecialWorkTopic = std::string(250, 't');
  r.InternalRemarks = std::string(1200, 'r');
  const StudentRecord back = DecodeStudentRecord(EncodeStudentRecord(r));
  EXPECT_EQ(back.Surname, std::string(40, 'x'));
  EXPECT_EQ(back.SpecialWorkTopic, std::string(199, 't'));
  EXPECT_EQ(back.InternalRemarks, std::string(999, 'r'));
  EXPECT_EQ(back.CertificateRemarks, kNothingChosen);
}

TEST(StudentRecord, PointsValue) {
  EXPECT_EQ(PointsValue("05"), 5);
  EXPECT_EQ(PointsValue("00"), 0);
  EXPECT_EQ(PointsValue("15"), 15);
  EXPECT_EQ(PointsValue("16"), kNoValue);
  EXPECT_EQ(PointsValue("5"), kNoValue);
  EXPECT_EQ(PointsValue("--"), kNoValue);
  EXPECT_EQ(PointsValue(" 5"), kNoValue);
  EXPECT_EQ(PointsValue(""), kNoValue);
}

TEST(StudentRecord, FreeSlotsAndListLines) {
  StudentRecord r = InitialisedRecord(SampleDefaults());
  EXPECT_TRUE(IsFree(r));
  EXPECT_EQ(ListLine(r), kFreeSlot);
  r.GivenNames = "Anna";
  EXPECT_EQ(ListLine(r), std::string(kFreeSlot) + "Anna");
  r.Surname = "";
  EXPECT_TRUE(IsFree(r));
  EXPECT_EQ(ListLine(r), "    - frei -");
  r.Surname = "Berg";
  EXPECT_FALSE(IsFree(r));
  EXPECT_EQ(ListLine(r), "Berg, Anna");
  r.GivenNames = "";
  EXPECT_EQ(ListLine(r), "Berg, ");
}

TEST(StudentRecord, CourseChangeRule) {
  EXPECT_EQ(DetectCourseChange(kNothingChosen, "Chemie"), CourseChange::None);
  EXPECT_EQ(DetectCourseChange("", "Chemie"), CourseChange::None);
  EXPECT_EQ(DetectCourseChange("Chemie", "Chemie"), CourseChange::None);
  EXPECT_EQ(DetectCourseChange("Chemie", kNothingChosen), CourseChange::Removed);
  EXPECT_EQ(DetectCourseChange("Chemie", "Physik"), CourseChange::Exchanged);

  StudentRecord r = InitialisedRecord(SampleDefaults());
  r.CourseChoices[2].Subject = "Chemie";
  EXPECT_EQ(ApplyCourseChange(r, 2), CourseChange::None);
  EXPECT_EQ(r.CourseResults[2].SubjectCopy, "Chemie");
  r.CourseResults[2].SemesterPoints[0] = "11";
  r.CourseChoices[2].Subject = "Physik";
  EXPECT_EQ(ApplyCourseChange(r, 2), CourseChange::Exchanged);
  EXPECT_EQ(r.CourseResults[2].SubjectCopy, "Physik");
  EXPECT_EQ(r.CourseResults[2].SemesterPoints[0], "11");  // points stay
}

TEST(StudentTable, InitialiseNumbersSlotsAndKeepsTheSpillSlot) {
  StudentTable t;
  t.At(35).Surname = "Spill";
  t.Initialise(SampleDefaults());
  EXPECT_EQ(t.At(0).StudentId, "1");
  EXPECT_EQ(t.At(34).StudentId, "35");
  EXPECT_EQ(t.At(34).Surname, kFreeSlot);
  EXPECT_EQ(t.At(35).Surname, "Spill");
  EXPECT_THROW(t.At(36), std::out_of_range);
}

}  // namespace
}  // namespace tolka::core
