#include "app/item_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/record_editor_model.h"
#include "core/io_error.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::app {
namespace {

using settings::NameListKind;
using test::TempDir;
using test::WriteAll;
using Lines = std::vector<std::string>;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

const settings::SubjectCatalogue& BuiltIn() {
  static const settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  return catalogue;
}

TEST(ItemLists, FixedLists) {
  EXPECT_EQ(ReligionItems(), (Lines{"   - - -", "???", "evangelische", "katholische"}));
  EXPECT_EQ(GradeItems(),
            (Lines{"--", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12", "13"}));
}

TEST(ItemLists, CatalogueListsFromTheBuiltInTable) {
  EXPECT_EQ(ReligionSubjectItems(BuiltIn()), (Lines{"   - - -", "Philosophie", "Religion"}));
  EXPECT_EQ(ScienceItems(BuiltIn()), (Lines{"   - - -", "Biologie", "Chemie", "Physik"}));
  EXPECT_EQ(LanguageItems(BuiltIn()),
            (Lines{"   - - -", "Englisch", "Französisch", "Griechisch", "Häbräisch", "Italienisch",
                   "Latein", "Polnisch", "Russisch", "Schwedisch", "Spanisch"}));
  const Lines courses = CourseSubjectItems(BuiltIn());
  ASSERT_EQ(courses.size(), 26u);  // the placeholder and the 25 defined subjects
  EXPECT_EQ(courses.front(), "   - - -");
  EXPECT_EQ(courses[1], "Arbeit-Wirtschaft-Technik");
  EXPECT_EQ(courses[11], "Informatik");
  EXPECT_EQ(courses.back(), "Sport");
}

TEST(ItemLists, ElectivesAreTheProjectCoursesThenTheSubjectsWithoutGermanMathsHistoryAndArea6) {
  const Lines electives = ElectiveItems(BuiltIn(), {"   - - -", "Chor", "Orchester"});
  EXPECT_EQ(electives, (Lines{"   - - -",
                              "Chor",
                              "Orchester",
                              "Arbeit-Wirtschaft-Technik",
                              "Biologie",
                              "Chemie",
                              "Englisch",
                              "Französisch",
                              "Geographie",
                              "Griechisch",
                              "Häbräisch",
                              "Italienisch",
                              "Kunst und Gestaltung",
                              "Latein",
                              "Musik",
                              "Physik",
                              "Philosophie",
                              "Polnisch",
                              "Religion",
                              "Russisch",
                              "Schwedisch",
                              "Sozialkunde",
                              "Spanisch",
                              "Sport"}));
}

TEST(ItemLists, FlagsDecideWithoutNameLookupAndDuplicatesStay) {
  settings::SubjectCatalogue c = BuiltIn();
  // Entry 26 named like entry 2 and marked as science; entry 27 keeps the
  // placeholder name but is marked as language.
  c.Entries[26].SubjectName = "Biologie";
  c.Entries[26].IsNaturalScience = 1;
  c.Entries[26].SubjectArea = 3;
  c.Entries[27].IsForeignLanguage = 1;
  // Informatik loses area 6 and becomes an elective; Sport becomes "Deutsch".
  c.Entries[11].SubjectArea = 3;
  c.Entries[25].IsGerman = 1;
  // A changed entry 0 name heads the course list, not the flag lists.
  c.Entries[0].SubjectName = "kein Fach";

  EXPECT_EQ(ScienceItems(c), (Lines{"   - - -", "Biologie", "Chemie", "Physik", "Biologie"}));
  EXPECT_EQ(LanguageItems(c).back(), "   - - -");  // listed as often as it occurs
  const Lines courses = CourseSubjectItems(c);
  EXPECT_EQ(courses.front(), "kein Fach");
  EXPECT_EQ(courses.size(), 27u);
  EXPECT_EQ(courses.back(), "Biologie");
  const Lines electives = ElectiveItems(c, {"   - - -"});
  EXPECT_EQ(std::count(electives.begin(), electives.end(), "Biologie"), 2);
  EXPECT_EQ(std::count(electives.begin(), electives.end(), "Informatik"), 1);
  EXPECT_EQ(std::count(electives.begin(), electives.end(), "Sport"), 0);
  EXPECT_EQ(std::count(electives.begin(), electives.end(), "   - - -"), 1);
}

struct ListDirs {
  TempDir program, data;
  core::Directories dirs;
  // List directory = data directory (CentralLists 0).
  ListDirs() : dirs{program.path(), data.path(), program.path(), data.path()} {}
};

TEST(ItemLists, MissingNameFilesGiveThePlaceholderAndQuestionMarksAndCreateNothing) {
  ListDirs d;
  test::ScriptedInteraction ui;
  const ItemLists lists = BuildItemLists(BuiltIn(), d.dirs, ui);
  const Lines missing{"   - - -", "???"};
  EXPECT_EQ(lists.Classes, missing);
  EXPECT_EQ(lists.Tutors, missing);
  EXPECT_EQ(lists.ProjectCourses, missing);
  EXPECT_EQ(Lines(lists.Electives.begin(), lists.Electives.begin() + 3),
            (Lines{"   - - -", "???", "Arbeit-Wirtschaft-Technik"}));
  EXPECT_TRUE(std::filesystem::is_empty(d.program.path()));
  EXPECT_TRUE(std::filesystem::is_empty(d.data.path()));
  EXPECT_TRUE(ui.Log().empty());
}

TEST(ItemLists, NameFilesFromTheListDirectoryElseTheProgramDirectory) {
  ListDirs d;
  // The default class file starts with "   - - -" itself: it is listed once.
  WriteAll(d.data / "KLASSEN.KLL", Bytes("   - - -\r\nTest\r\n"));
  WriteAll(d.program / "KLASSEN.KLL", Bytes("nicht\r\n"));
  WriteAll(d.program / "tutoren.stl", Bytes("Frau Köhler\r\nHerr Mustermann\r\nFrau Köhler\r\n"));
  WriteAll(d.data / "PKURSE.PKL", Bytes("Chor\r\nOrchester"));
  test::ScriptedInteraction ui;
  const ItemLists lists = BuildItemLists(BuiltIn(), d.dirs, ui);
  EXPECT_EQ(lists.Classes, (Lines{"   - - -", "Test"}));
  EXPECT_EQ(lists.Tutors, (Lines{"   - - -", "Frau Köhler", "Herr Mustermann", "Frau Köhler"}));
  EXPECT_EQ(lists.ProjectCourses, (Lines{"   - - -", "Chor", "Orchester"}));
  EXPECT_EQ(Lines(lists.Electives.begin(), lists.Electives.begin() + 4),
            (Lines{"   - - -", "Chor", "Orchester", "Arbeit-Wirtschaft-Technik"}));
  EXPECT_EQ(lists.Religions, ReligionItems());
  EXPECT_EQ(lists.Grades, GradeItems());
  EXPECT_EQ(lists.CourseSubjects, CourseSubjectItems(BuiltIn()));
}

TEST(ItemLists, UnreadableNameFileIsReportedAndItsBoxStillUsable) {
  ListDirs d;
  // A regular file whose reading fails even for root: the process's memory
  // image at address 0.
  std::filesystem::create_symlink("/proc/self/mem", d.data / "TUTOREN.STL");
  try {
    NameListItems(NameListKind::Tutors, d.dirs);
    GTEST_SKIP() << "/proc/self/mem can be read here";
  } catch (const IoError&) {
  }
  WriteAll(d.data / "KLASSEN.KLL", Bytes("12a\r\n"));
  test::ScriptedInteraction ui;
  ui.ExpectAsk(core::Icon::Error, "TUTOREN.STL\x93 kann nicht gelesen werden");
  const ItemLists lists = BuildItemLists(BuiltIn(), d.dirs, ui);
  EXPECT_TRUE(ui.Done());
  EXPECT_EQ(lists.Tutors, (Lines{"   - - -", "???"}));
  EXPECT_EQ(lists.Classes, (Lines{"   - - -", "12a"}));

  // A reload that fails leaves the lists as they were.
  ItemLists kept = lists;
  EXPECT_THROW(ReloadNameListItems(kept, NameListKind::Tutors, BuiltIn(), d.dirs), IoError);
  EXPECT_EQ(kept.Tutors, lists.Tutors);
}

TEST(ItemLists, ReloadAfterAListEditorAndAfterACatalogueChange) {
  ListDirs d;
  test::ScriptedInteraction ui;
  ItemLists lists = BuildItemLists(BuiltIn(), d.dirs, ui);
  WriteAll(d.data / "PKURSE.PKL", Bytes("Theater\r\n"));
  WriteAll(d.data / "KLASSEN.KLL", Bytes("12a\r\n12b\r\n"));
  ReloadNameListItems(lists, NameListKind::ProjectCourses, BuiltIn(), d.dirs);
  EXPECT_EQ(lists.ProjectCourses, (Lines{"   - - -", "Theater"}));
  EXPECT_EQ(lists.Electives[1], "Theater");
  EXPECT_EQ(lists.Electives[2], "Arbeit-Wirtschaft-Technik");
  EXPECT_EQ(lists.Classes, (Lines{"   - - -", "???"}));  // not reloaded yet
  ReloadNameListItems(lists, NameListKind::Classes, BuiltIn(), d.dirs);
  EXPECT_EQ(lists.Classes, (Lines{"   - - -", "12a", "12b"}));

  settings::SubjectCatalogue c = BuiltIn();
  c.Entries[2].SubjectName = "Biologie bilingual";
  RebuildCatalogueItems(lists, c);
  EXPECT_EQ(lists.Sciences[1], "Biologie bilingual");
  EXPECT_EQ(lists.CourseSubjects[2], "Biologie bilingual");
  EXPECT_EQ(lists.Electives[1], "Theater");  // the project courses are kept
  EXPECT_EQ(lists.Electives[3], "Biologie bilingual");
  EXPECT_EQ(lists.Classes, (Lines{"   - - -", "12a", "12b"}));
}

TEST(ItemLists, BoxItemsAddTheShownTextWhenItIsNoItem) {
  ItemLists lists;
  lists.Classes = {"   - - -", "12a"};
  lists.Grades = GradeItems();
  lists.CourseSubjects = CourseSubjectItems(BuiltIn());
  EditorValues v;
  v.ClassName = "12a";
  v.Tutor = std::nullopt;  // no selection: no extra item
  v.ForeignLanguages[0].FromGrade = " 5";
  v.ForeignLanguages[0].ToGrade = "5";  // imported without the blank
  v.CourseChoices[2].Subject = "Astronomie";
  const EditorItems items = ItemsFor(lists, v);
  EXPECT_EQ(items.ClassName, lists.Classes);
  EXPECT_TRUE(items.Tutor.empty());
  EXPECT_EQ(items.FromGrade[0], lists.Grades);
  EXPECT_EQ(items.ToGrade[0].size(), lists.Grades.size() + 1);
  EXPECT_EQ(items.ToGrade[0].back(), "5");
  EXPECT_EQ(items.CourseSubject[2].back(), "Astronomie");
  EXPECT_EQ(items.CourseSubject[3], lists.CourseSubjects);  // no value: nothing added
  // Intro rows without a subject box have no items.
  EXPECT_TRUE(items.IntroSubject[0].empty());
}

}  // namespace
}  // namespace tolka::app
