#include "exchange/all_data_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/export_text.h"
#include "settings/subject_catalogue.h"

namespace tolka::exchange {
namespace {

// A student with a different value in every exported field, so a field in
// the wrong place shows up.
core::StudentRecord HandBuiltStudent() {
  core::StudentRecord r =
      core::InitialisedRecord(settings::IntroPhaseDefaultsOf(settings::BuiltInSubjectCatalogue()));
  r.StudentId = "17";
  r.Salutation = 1;
  r.Surname = "Weiß";
  r.GivenNames = "Jürgen Paul";
  r.BirthDate = "03.05.2007";
  r.BirthPlace = "Köln";
  r.Residence = "Bonn";
  r.Religion = "katholische";
  r.ClassName = "12a";
  r.Tutor = "Frau Kühn";
  r.ForeignLanguages[0] = {"Englisch", " 5", "13"};
  r.ForeignLanguages[1] = {"Französisch", " 7", "11"};
  r.Graecum = 1;
  r.Latinum = 2;
  r.Hebraicum = 7;  // not a code: empty
  for (size_t row = 0; row < core::kIntroPhaseRowCount; ++row) {
    r.IntroPhase[row].Subject = "F" + std::to_string(row);
    r.IntroPhase[row].Mark1 = std::to_string(row % 6 + 1);
    r.IntroPhase[row].Mark2 = "#";
  }
  r.RepeatsIntroPhase = 1;
  r.SkippedIntroPhase = 0;
  r.CompensationAllowable = 2;  // anything but 1 is "nein"
  r.CompensationGranted = 1;
  r.PromotableToQualPhase = 0;
  r.PromotedByConference = 1;
  for (size_t row = 0; row < core::kCourseRowCount; ++row) {
    r.CourseChoices[row].Subject = "K" + std::to_string(row);
    r.CourseChoices[row].ExamSubject = row == 2 ? 1 : 0;
    r.CourseChoices[row].AdvancedCourse = row == 0 ? 1 : 0;
    core::CourseResult& result = r.CourseResults[row];
    result.SubjectCopy = "R" + std::to_string(row);
    for (size_t s = 0; s < 4; ++s) {
      result.SemesterPoints[s] = std::to_string(10 + s);
      result.Credited[s] = s == 1 ? 1 : 0;
    }
    result.CompetenceFlag = row == 12 ? 1 : 0;
    result.WrittenExamPoints = "0" + std::to_string(row % 10);
    result.OralExamPoints = "--";
  }
  r.SpecialWorkTopic = "Der Rhein;\r\nein Fluss";
  r.SpecialWorkMentor = "Herr Dr. Lang";
  r.SpecialWorkCounts = 1;
  r.SpecialWorkDocPoints = "11";
  r.SpecialWorkColloquiumPoints = "12";
  r.SpecialWorkTotal = "23";
  r.InternalRemarks = "intern\r\nzweite Zeile";
  r.CertificateRemarks = "Zeugnis; Bemerkung";
  r.ProjectCourses = {"Theater", "Chor", "   - - -", "vierter"};
  r.ProjectCoursesHoldSpecialWork = 0;
  return r;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t end = line.find(';', start);
    fields.push_back(line.substr(start, end - start));
    if (end == std::string::npos) return fields;
    start = end + 1;
  }
}

TEST(AllDataExport, LineHas286FieldsAtTheirNumberedPlaces) {
  const std::string line = AllDataLine(HandBuiltStudent());
  ASSERT_GE(line.size(), 2u);
  EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
  const auto f = SplitFields(line.substr(0, line.size() - 2));
  ASSERT_EQ(f.size(), 286u);
  const auto at = [&f](size_t number) { return f.at(number - 1); };
  // 1..10: the personal data, the salutation as a word.
  EXPECT_EQ(at(1), "17");
  EXPECT_EQ(at(2), "Frau");
  EXPECT_EQ(at(3), "Weiß");
  EXPECT_EQ(at(4), "Jürgen Paul");
  EXPECT_EQ(at(5), "03.05.2007");
  EXPECT_EQ(at(6), "Köln");
  EXPECT_EQ(at(7), "Bonn");
  EXPECT_EQ(at(8), "katholische");  // Religion before ClassName
  EXPECT_EQ(at(9), "12a");
  EXPECT_EQ(at(10), "Frau Kühn");
  // 11..22: the four languages, grades as stored (" 5" keeps its blank).
  EXPECT_EQ(at(11), "Englisch");
  EXPECT_EQ(at(12), " 5");
  EXPECT_EQ(at(13), "13");
  EXPECT_EQ(at(14), "Französisch");
  EXPECT_EQ(at(17), "   - - -");
  EXPECT_EQ(at(22), "--");
  // 23..25: the certificates.
  EXPECT_EQ(at(23), "Graecum");
  EXPECT_EQ(at(24), "Großes Latinum");
  EXPECT_EQ(at(25), "");
  // 26..48: intro rows 0..8, Mark2 only for rows 0, 3, 4, 7, 8.
  const std::vector<std::string> intro = {"F0", "1",  "#",  "F1", "2",  "F2", "3", "F3",
                                          "4",  "#",  "F4", "5",  "#",  "F5", "6", "F6",
                                          "1",  "F7", "2",  "#",  "F8", "3",  "#"};
  for (size_t i = 0; i < intro.size(); ++i) EXPECT_EQ(at(26 + i), intro[i]) << "field " << 26 + i;
  // 49..72: rows 9..16 with all three fields.
  EXPECT_EQ(at(49), "F9");
  EXPECT_EQ(at(50), "4");
  EXPECT_EQ(at(51), "#");
  EXPECT_EQ(at(70), "F16");
  EXPECT_EQ(at(72), "#");
  // 73..78: the six flags.
  const std::vector<std::string> flags = {"ja", "nein", "nein", "ja", "nein", "ja"};
  for (size_t i = 0; i < flags.size(); ++i) EXPECT_EQ(at(73 + i), flags[i]) << "field " << 73 + i;
  // 79..117: course choices rows 0..12.
  EXPECT_EQ(at(79), "K0");
  EXPECT_EQ(at(80), "nein");  // ExamSubject of row 0
  EXPECT_EQ(at(81), "ja");    // AdvancedCourse of row 0
  EXPECT_EQ(at(85), "K2");
  EXPECT_EQ(at(86), "ja");
  EXPECT_EQ(at(115), "K12");
  // 118..273: course results, 12 fields a row.
  const std::vector<std::string> row0 = {"R0",   "10", "nein", "11",   "ja", "12",
                                         "nein", "13", "nein", "nein", "00", "--"};
  for (size_t i = 0; i < row0.size(); ++i) EXPECT_EQ(at(118 + i), row0[i]) << "field " << 118 + i;
  EXPECT_EQ(at(118 + 12 * 12), "R12");
  EXPECT_EQ(at(118 + 12 * 12 + 9), "ja");  // CompetenceFlag of row 12
  EXPECT_EQ(at(273), "--");
  // 274..286: special work, remarks, project courses.
  EXPECT_EQ(at(274), "Der Rheinein Fluss");
  EXPECT_EQ(at(275), "Herr Dr. Lang");
  EXPECT_EQ(at(276), "ja");
  EXPECT_EQ(at(277), "11");
  EXPECT_EQ(at(278), "12");
  EXPECT_EQ(at(279), "23");
  EXPECT_EQ(at(280), "internzweite Zeile");
  EXPECT_EQ(at(281), "Zeugnis Bemerkung");
  EXPECT_EQ(at(282), "Theater");
  EXPECT_EQ(at(284), "   - - -");
  EXPECT_EQ(at(285), "vierter");
  EXPECT_EQ(at(286), "nein");
}

TEST(AllDataExport, ExactBytesOfTheLineStart) {
  const std::string line = AllDataLine(HandBuiltStudent());
  // Windows-1252: ß is 0xDF, ü 0xFC, ö 0xF6.
  const std::string start =
      "17;Frau;Wei\xDF;J\xFCrgen Paul;03.05.2007;K\xF6ln;Bonn;katholische;12a;Frau K\xFChn;"
      "Englisch; 5;13;Franz\xF6sisch; 7;11;   - - -;--;--;   - - -;--;--;Graecum;Gro\xDF"
      "es Latinum;;F0;1;#;F1;2;F2;3;F3;4;#;";
  EXPECT_EQ(line.substr(0, start.size()), start);
  const std::string end = ";Theater;Chor;   - - -;vierter;nein\r\n";
  EXPECT_EQ(line.substr(line.size() - end.size()), end);
}

TEST(AllDataExport, SalutationAndCertificateWords) {
  core::StudentRecord r = HandBuiltStudent();
  for (auto [code, word] :
       {std::pair<uint16_t, std::string>{0, "???"}, {1, "Frau"}, {2, "Herr"}, {3, "???"}}) {
    r.Salutation = code;
    EXPECT_EQ(AllDataFields(r)[1], word) << code;
  }
  for (auto [code, word] :
       {std::pair<uint16_t, std::string>{0, ""}, {1, "Graecum"}, {2, "Großes Graecum"}, {3, ""}}) {
    r.Graecum = code;
    r.Hebraicum = code == 2 ? 1 : 2;
    EXPECT_EQ(AllDataFields(r)[22], word) << code;
    EXPECT_EQ(AllDataFields(r)[24], code == 2 ? "Hebraicum" : "Großes Hebraicum");
  }
}

TEST(AllDataExport, SeparatorAndLineBreaksLeftOutOfEveryTextField) {
  core::StudentRecord r = HandBuiltStudent();
  r.Surname = "Meier;Schulz";
  r.GivenNames = "Anna\r\nLena";
  r.ClassName = "12;b";
  const auto fields = AllDataFields(r);
  EXPECT_EQ(fields[2], "MeierSchulz");
  EXPECT_EQ(fields[3], "AnnaLena");
  EXPECT_EQ(fields[8], "12b");
  const std::string line = AllDataLine(r);
  EXPECT_EQ(SplitFields(line.substr(0, line.size() - 2)).size(), 286u);
  EXPECT_EQ(line.find('\n'), line.size() - 1);
}

TEST(AllDataExport, TextsAsStoredWithoutTrimming) {
  core::StudentRecord r = HandBuiltStudent();
  r.Surname = "  Blank ";
  EXPECT_EQ(AllDataFields(r)[2], "  Blank ");
}

TEST(AllDataExport, OnlyOccupiedSlotsOfTheListInSlotOrder) {
  core::StudentTable table;
  table.Initialise(settings::IntroPhaseDefaultsOf(settings::BuiltInSubjectCatalogue()));
  EXPECT_EQ(AllDataExport(table), "");  // only free slots: an empty file

  table.At(3).Surname = "Drei";
  table.At(1).Surname = "Eins";
  table.At(2).Surname = "";        // empty surname: free
  table.At(35).Surname = "Spill";  // slot 35 is not in the list
  const std::string text = AllDataExport(table);
  EXPECT_EQ(text, AllDataLine(table.At(1)) + AllDataLine(table.At(3)));
  EXPECT_EQ(text.substr(0, 7), "2;???;E");
}

TEST(ExportText, Fields) {
  EXPECT_EQ(ExportField("a;b\rc\nd"), "abcd");
  EXPECT_EQ(YesNo(1), "ja");
  EXPECT_EQ(YesNo(0), "nein");
  EXPECT_EQ(YesNo(65535), "nein");
  EXPECT_EQ(ExportLine({"a", "", "c"}), "a;;c\r\n");
}

}  // namespace
}  // namespace tolka::exchange
