#include "settings/name_lists.h"

#include <gtest/gtest.h>

#include "core/io_error.h"
#include "support/file_size_limit.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::settings {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;
using Lines = std::vector<std::string>;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(NameLists, FileNamesAndDefaults) {
  EXPECT_STREQ(InfoOf(NameListKind::ProjectCourses).FileName, "PKURSE.PKL");
  EXPECT_EQ(InfoOf(NameListKind::ProjectCourses).Defaults, (Lines{"Chor", "Orchester"}));
  EXPECT_STREQ(InfoOf(NameListKind::Tutors).FileName, "TUTOREN.STL");
  EXPECT_EQ(InfoOf(NameListKind::Tutors).Defaults, (Lines{"   - - -", "Herr Mustermann"}));
  EXPECT_STREQ(InfoOf(NameListKind::Classes).FileName, "KLASSEN.KLL");
  EXPECT_EQ(InfoOf(NameListKind::Classes).Defaults, (Lines{"   - - -", "Test"}));
}

TEST(NameLists, ParseAndFormat) {
  EXPECT_EQ(ParseNameList("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(ParseNameList("a\nb\rc\r\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(ParseNameList("a\r\n\r\nb\n\n"), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(ParseNameList("\r\n"), (Lines{""}));
  EXPECT_EQ(ParseNameList(""), Lines{});
  EXPECT_EQ(ParseNameList("  Frau Müller  "), (Lines{"  Frau Müller  "}));
  EXPECT_EQ(FormatNameList({"   - - -", "Herr Mustermann"}), "   - - -\r\nHerr Mustermann\r\n");
  EXPECT_EQ(FormatNameList({}), "");
  const Lines odd{"", " x ", "Größe", ""};
  EXPECT_EQ(ParseNameList(FormatNameList(odd)), odd);
}

struct Dirs {
  TempDir program, data;
  core::Directories dirs;
  // The list directory is the data directory (CentralLists 0).
  Dirs() : dirs{program.path(), data.path(), program.path(), data.path()} {}
};

TEST(NameListFile, FirstStartCreatesTheDefaultsInTheListDirectory) {
  Dirs d;
  EXPECT_FALSE(NameListExists(NameListKind::Tutors, d.dirs));
  EXPECT_FALSE(ReadNameList(NameListKind::Tutors, d.dirs));
  EXPECT_EQ(LoadNameList(NameListKind::Tutors, d.dirs), (Lines{"   - - -", "Herr Mustermann"}));
  EXPECT_EQ(Text(ReadAll(d.data / "TUTOREN.STL")), "   - - -\r\nHerr Mustermann\r\n");
  EXPECT_FALSE(std::filesystem::exists(d.program / "TUTOREN.STL"));
  EXPECT_TRUE(NameListExists(NameListKind::Tutors, d.dirs));
  // The other lists are untouched until loaded.
  EXPECT_FALSE(std::filesystem::exists(d.data / "KLASSEN.KLL"));
  EXPECT_EQ(LoadNameList(NameListKind::Classes, d.dirs), (Lines{"   - - -", "Test"}));
  EXPECT_EQ(LoadNameList(NameListKind::ProjectCourses, d.dirs), (Lines{"Chor", "Orchester"}));
  EXPECT_EQ(Text(ReadAll(d.data / "PKURSE.PKL")), "Chor\r\nOrchester\r\n");
}

TEST(NameListFile, ListDirectoryBeatsProgramDirectory) {
  Dirs d;
  WriteAll(d.program / "KLASSEN.KLL", Bytes("12a\r\n12b\r\n"));
  EXPECT_EQ(LoadNameList(NameListKind::Classes, d.dirs), (Lines{"12a", "12b"}));
  EXPECT_FALSE(std::filesystem::exists(d.data / "KLASSEN.KLL"));  // nothing created
  WriteAll(d.data / "klassen.kll", Bytes("13a\n"));               // another case, lone LF
  EXPECT_EQ(LoadNameList(NameListKind::Classes, d.dirs), (Lines{"13a"}));
  // Central lists read the program directory's.
  EXPECT_EQ(LoadNameList(NameListKind::Classes, d.dirs, true), (Lines{"12a", "12b"}));
  EXPECT_EQ(d.dirs.Lists, d.program.path());
  EXPECT_EQ(LoadNameList(NameListKind::Classes, d.dirs, false), (Lines{"13a"}));
}

TEST(NameListFile, ProgramDirectoryListIsSavedIntoTheListDirectory) {
  Dirs d;
  WriteAll(d.program / "PKURSE.PKL", Bytes("Theater\r\n"));
  Lines entries = LoadNameList(NameListKind::ProjectCourses, d.dirs);
  EXPECT_TRUE(AddNameListEntry(entries, "Schülerzeitung"));
  SaveNameList(NameListKind::ProjectCourses, d.dirs, entries);
  EXPECT_EQ(Text(ReadAll(d.data / "PKURSE.PKL")), "Theater\r\nSchülerzeitung\r\n");
  EXPECT_EQ(Text(ReadAll(d.program / "PKURSE.PKL")), "Theater\r\n");
  // An empty list gives an empty file, which is a list (not a reason to
  // create the defaults again).
  SaveNameList(NameListKind::ProjectCourses, d.dirs, {});
  EXPECT_EQ(ReadAll(d.data / "PKURSE.PKL").size(), 0u);
  EXPECT_EQ(LoadNameList(NameListKind::ProjectCourses, d.dirs), Lines{});
  // A file of another case is replaced in place.
  WriteAll(d.data / "tutoren.stl", Bytes("x\r\n"));
  SaveNameList(NameListKind::Tutors, d.dirs, false, {"y"});
  EXPECT_EQ(Text(ReadAll(d.data / "tutoren.stl")), "y\r\n");
  EXPECT_FALSE(std::filesystem::exists(d.data / "TUTOREN.STL"));
}

TEST(NameListFile, UnwritableListDirectoryEndsWithTheMessage) {
  TempDir program;
  WriteAll(program / "Datei", {1});
  core::Directories dirs{program.path(), program / "Datei", program.path(), program / "Datei"};
  try {
    LoadNameList(NameListKind::Tutors, dirs);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_EQ(e.Cause(), "Datei nicht gefunden");
  }
  EXPECT_THROW(SaveNameList(NameListKind::Tutors, dirs, {"a"}), IoError);
  // A directory in place of the file: not read, and not replaced.
  TempDir lists;
  std::filesystem::create_directory(lists / "TUTOREN.STL");
  core::Directories other{lists.path(), lists.path(), lists.path(), lists.path()};
  EXPECT_FALSE(NameListExists(NameListKind::Tutors, other));
  EXPECT_THROW(LoadNameList(NameListKind::Tutors, other), IoError);
  EXPECT_TRUE(std::filesystem::is_directory(lists / "TUTOREN.STL"));
}

TEST(NameLists, AddRule) {
  Lines entries = InfoOf(NameListKind::ProjectCourses).Defaults;
  EXPECT_FALSE(AddNameListEntry(entries, "Chor"));
  EXPECT_EQ(entries, (Lines{"Chor", "Orchester"}));
  EXPECT_TRUE(AddNameListEntry(entries, "chor"));
  EXPECT_EQ(entries, (Lines{"Chor", "Orchester", "chor"}));
  EXPECT_FALSE(AddNameListEntry(entries, ""));
  EXPECT_TRUE(AddNameListEntry(entries, "Chor "));  // taken as typed
  EXPECT_FALSE(AddNameListEntry(entries, "Chor "));
  EXPECT_FALSE(AddNameListEntry(entries, "Band\r\nChor"));
  EXPECT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries.back(), "Chor ");
}

}  // namespace
}  // namespace tolka::settings

namespace tolka::settings {
namespace {

TEST(NameListEditor, EntriesLongerThanTheirRecordFieldAreRefused) {
  std::vector<std::string> entries;
  EXPECT_EQ(AddNameListEntryChecked(NameListKind::Classes, entries, "1234567890"), "");
  EXPECT_NE(AddNameListEntryChecked(NameListKind::Classes, entries, "12345678901").find("10"),
            std::string::npos);
  EXPECT_EQ(AddNameListEntryChecked(NameListKind::Tutors, entries, std::string(40, 't')), "");
  EXPECT_FALSE(
      AddNameListEntryChecked(NameListKind::Tutors, entries, std::string(41, 't')).empty());
  EXPECT_EQ(AddNameListEntryChecked(NameListKind::ProjectCourses, entries, std::string(30, 'p')),
            "");
  EXPECT_FALSE(
      AddNameListEntryChecked(NameListKind::ProjectCourses, entries, std::string(31, 'p')).empty());
  EXPECT_EQ(entries,
            (std::vector<std::string>{"1234567890", std::string(40, 't'), std::string(30, 'p')}));
}

TEST(NameListEditor, LongerEntriesOfAFileAreShown) {
  test::TempDir dir;
  auto dirs = core::Directories::AllAt(dir.path());
  test::WriteAll(dir / "KLASSEN.KLL",
                 {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0', '1', '\r', '\n'});
  test::ScriptedInteraction ui;
  const auto entries = OpenNameListEditor(NameListKind::Classes, dirs, true, ui);
  ASSERT_TRUE(entries);
  EXPECT_EQ(*entries, (std::vector<std::string>{"12345678901"}));
}

TEST(NameListEditor, UnwritableDefaultsAreToldOnceAndShown) {
  test::TempDir dir;
  auto dirs = core::Directories::AllAt(dir.path());
  test::ScriptedInteraction ui;
  ui.ExpectAsk(core::Icon::Error, "konnte nicht gespeichert werden");
  std::optional<std::vector<std::string>> entries;
  {
    test::FileSizeLimit limit(5);
    entries = OpenNameListEditor(NameListKind::Tutors, dirs, true, ui);
  }
  EXPECT_TRUE(ui.Done());
  ASSERT_TRUE(entries);
  EXPECT_EQ(*entries, InfoOf(NameListKind::Tutors).Defaults);
}

}  // namespace
}  // namespace tolka::settings
