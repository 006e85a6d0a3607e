#include "exchange/results_export.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/pipeline_students.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"

namespace tolka::exchange {
namespace {

using rules::testing::CleanStudent;
using rules::testing::TableWith;

class ResultsExport : public ::testing::Test {
 protected:
  settings::SubjectCatalogue catalogue_ = settings::BuiltInSubjectCatalogue();
  settings::ExamSettings exam_ = settings::BuiltInExamSettings();
  settings::GeneralSettings general_ = settings::DefaultGeneralSettings();
  rules::RuleContext rules_{catalogue_, exam_, general_};
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST_F(ResultsExport, ThirtyFiveLinesWithTheComputedResult) {
  core::StudentTable table = TableWith(catalogue_, CleanStudent(catalogue_), 2);
  const std::string text = ExamResultsExport(rules_, table);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 35u);
  // The clean student: every check passes, 202 + 148 + 210 = 560, grade 2,3.
  EXPECT_EQ(lines[2], "Muster, Anna;w;;202;148;210;560;2,3");
  // A free slot: no name, "m", the marks of an empty record, sums 0.
  EXPECT_EQ(lines[0].substr(0, 3), ";m;");
  EXPECT_EQ(lines[0].substr(lines[0].size() - 12), ";0;0;0;0;0,0");
}

TEST_F(ResultsExport, ErrorMarkMakesTheLineFaulty) {
  core::StudentRecord student = CleanStudent(catalogue_);
  student.CourseChoices[0].Subject = "   - - -";  // no first advanced course
  core::StudentTable table = TableWith(catalogue_, student, 0);
  const auto lines = Lines(ExamResultsExport(rules_, table));
  EXPECT_EQ(lines[0].substr(0, 26), "Muster, Anna;w;fehlerhaft;");
}

TEST_F(ResultsExport, LineOfAHandMadeResult) {
  core::StudentRecord record = CleanStudent(catalogue_);
  record.Salutation = 2;
  rules::StatisticsRow row;
  row.BlockI = 200;
  row.BlockII = 0;
  row.BlockIII = 80;
  row.Total = 280;  // the default minimum: grade 4,0
  EXPECT_EQ(ExamResultsLine(record, row, exam_), "Muster, Anna;m;;200;0;80;280;4,0\r\n");
  row.Total = 279;  // below the minimum: 0,0
  row.HasErrors = true;
  EXPECT_EQ(ExamResultsLine(record, row, exam_), "Muster, Anna;m;fehlerhaft;200;0;80;279;0,0\r\n");
  row.Total = 823;
  EXPECT_EQ(ExamResultsLine(record, row, exam_), "Muster, Anna;m;fehlerhaft;200;0;80;823;1,0\r\n");
  record.Salutation = 0;
  EXPECT_EQ(ExamResultsLine(record, row, exam_).substr(12, 3), ";m;");
}

TEST_F(ResultsExport, NameCutAtFiftyCharacters) {
  core::StudentRecord r = CleanStudent(catalogue_);
  r.Surname = std::string(40, 'S');
  r.GivenNames = "ABCDEFGHIJKLMNOPQRST";  // 20: together 60
  EXPECT_EQ(ResultsName(r), std::string(40, 'S') + ", ABCDEFGHIJ");
  r.Surname = std::string(30, 'S');  // together exactly 50: cut to 20, nothing lost
  EXPECT_EQ(ResultsName(r), std::string(30, 'S') + ", ABCDEFGHIJKLMNOPQRST");
  r.Surname = std::string(31, 'S');  // 51: the last given-name character goes
  EXPECT_EQ(ResultsName(r), std::string(31, 'S') + ", ABCDEFGHIJKLMNOPQRS");
  r.Surname = "Kurz";
  r.GivenNames = "";
  EXPECT_EQ(ResultsName(r), "Kurz, ");
  r.Surname = "Meier;Schulz";
  EXPECT_EQ(ResultsName(r), "MeierSchulz, ");
  r.Surname = "   - frei -";
  EXPECT_EQ(ResultsName(r), "");
}

}  // namespace
}  // namespace tolka::exchange
