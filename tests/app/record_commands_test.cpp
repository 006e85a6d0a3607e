#include "app/record_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "core/record_texts.h"
#include "settings/subject_catalogue.h"
#include "support/file_size_limit.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::app {
namespace {

namespace fs = std::filesystem;
namespace L = core::record_layout;
using core::Answer;
using core::CipherVariant;
using core::Icon;
using core::MatchKind;
using core::SearchField;
using core::SearchRequest;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WriteAll;

// The system's texts, written out here so a changed letter shows up.
const std::string kNoMatch = "Keine (weitere) Entsprechung gefunden!";
const std::string kListFull =
    "Die Schülerliste ist voll.\rDer Schüler-Datensatz kann nicht eingefügt werden!";
const std::string kAskAppend =
    "Sollen der aktuelle Schüler-Datensatz an die ausgewählte Datei angehängt werden?";
const std::string kFullCopy =
    "Die Zieldatei ist voll.\rDer Schüler-Datensatz konnte nicht kopiert werden!";
const std::string kFullCut =
    "Die Zieldatei ist voll.\rDer Schüler-Datensatz konnte nicht verschoben werden!";
const std::string kMissingEnd = "\rExistiert nicht! Erstellen Sie diese eventuell zuerst neu!";
const std::string kEncipheredPart = "verschlüsselt angezeigt";
const std::string kWrongPasswordPart = "Das eingegebene Passwort ist FALSCH!";
const std::string kSameFilePart = "aktuell geöffnete Datei";

core::IntroPhaseDefaults DefaultsOf(const AppState& state) {
  return settings::IntroPhaseDefaultsOf(state.Catalogue);
}

// Program directory = all four directories, built-in catalogue, an
// initialised table with students in slots 0..3.
AppState MakeState(const fs::path& program) {
  AppState state;
  state.Dirs = core::Directories::AllAt(program);
  state.Catalogue = settings::BuiltInSubjectCatalogue();
  state.Data.Table.Initialise(DefaultsOf(state));
  InitialiseRecordList(state);
  const char* names[] = {"Conrad", "Berger", "Adler", "Dietz"};
  for (size_t k = 0; k < 4; ++k) {
    auto& r = state.Data.Table.At(k);
    r.Surname = names[k];
    r.GivenNames = "Vorname " + std::to_string(k);
    r.CourseResults[0].SemesterPoints[0] = "1" + std::to_string(k);
  }
  return state;
}

std::vector<std::string> Surnames(const core::StudentTable& table, size_t from, size_t to) {
  std::vector<std::string> out;
  for (size_t k = from; k < to; ++k) out.push_back(table.At(k).Surname);
  return out;
}

std::vector<uint8_t> RecordBytes(const core::StudentRecord& r) {
  const auto a = core::EncodeStudentRecord(r);
  return {a.begin(), a.end()};
}

std::vector<uint8_t> SlotOf(const std::vector<uint8_t>& block, size_t slot) {
  return {block.begin() + slot * L::kRecordSize, block.begin() + (slot + 1) * L::kRecordSize};
}

// A data file as Save writes it: `occupied` students in slots 0.. of an
// initialised table; enciphered with `password` when one is given.
std::vector<uint8_t> TargetBlock(size_t occupied, const std::string& password = "",
                                 CipherVariant variant = CipherVariant::Neu) {
  AppState other;
  other.Catalogue = settings::BuiltInSubjectCatalogue();
  other.Data.Table.Initialise(DefaultsOf(other));
  for (size_t k = 0; k < occupied; ++k) {
    other.Data.Table.At(k).Surname = "Ziel" + std::to_string(k);
  }
  core::DataFileBlock block = core::EmptyBlock();
  core::EncodeTable(other.Data.Table, block);
  if (!password.empty()) {
    const std::string field = core::ScramblePassword(password);
    core::SetPasswordField(block, field);
    core::ApplyCipher(block, field, variant);
  }
  return block;
}

using Names = std::vector<std::string>;

class RecordCommandsTest : public ::testing::Test {
 protected:
  TempDir dir;
  AppState state = MakeState(dir.path());
  ScriptedInteraction ui;
  DataSession& data = state.Data;
};

TEST_F(RecordCommandsTest, CutAndPasteSetModifiedAndMoveTheClipboard) {
  ASSERT_TRUE(CutStudentRecord(state, ui, 1));
  EXPECT_TRUE(data.Modified);
  EXPECT_EQ(state.RecordList.Clipboard.Surname, "Berger");
  EXPECT_EQ(Surnames(data.Table, 0, 3), (Names{"Conrad", "Adler", "Dietz"}));
  EXPECT_EQ(RecordBytes(data.Table.At(35)),
            RecordBytes(core::InitialisedRecord(DefaultsOf(state))));

  data.Modified = false;
  ASSERT_TRUE(PasteStudentRecord(state, ui, 0));
  EXPECT_TRUE(data.Modified);
  EXPECT_EQ(Surnames(data.Table, 0, 4), (Names{"Berger", "Conrad", "Adler", "Dietz"}));
  EXPECT_EQ(state.RecordList.Clipboard.Surname, "Berger");
}

TEST_F(RecordCommandsTest, CopyChangesNeitherTableNorModified) {
  const auto before = data.Block();
  CopyStudentRecord(state, 2);
  EXPECT_EQ(state.RecordList.Clipboard.Surname, "Adler");
  EXPECT_EQ(data.Block(), before);
  EXPECT_FALSE(data.Modified);
}

TEST_F(RecordCommandsTest, TheClipboardStartsAsAnInitialisedRecord) {
  EXPECT_EQ(RecordBytes(state.RecordList.Clipboard),
            RecordBytes(core::InitialisedRecord(DefaultsOf(state))));
  ASSERT_TRUE(PasteStudentRecord(state, ui, 0));
  EXPECT_EQ(data.Table.At(0).Surname, core::kFreeSlot);
  EXPECT_EQ(data.Table.At(1).Surname, "Conrad");
}

TEST_F(RecordCommandsTest, PasteIntoAFullListIsRefusedWithAMessage) {
  data.Table.At(34).Surname = "Zeller";
  CopyStudentRecord(state, 0);
  const auto before = data.Block();
  ui.ExpectAsk(Icon::Information, kListFull);
  EXPECT_FALSE(PasteStudentRecord(state, ui, 0));
  EXPECT_EQ(data.Block(), before);
  EXPECT_FALSE(data.Modified);
}

TEST_F(RecordCommandsTest, SortSetsModifiedOnlyWhenRecordsWereExchanged) {
  ASSERT_TRUE(SortStudents(state, ui, 0, core::SortKey::Surname));
  EXPECT_EQ(Surnames(data.Table, 0, 5),
            (Names{"Adler", "Berger", "Conrad", "Dietz", core::kFreeSlot}));
  EXPECT_TRUE(data.Modified);
  data.Modified = false;
  ASSERT_TRUE(SortStudents(state, ui, 0, core::SortKey::Surname));
  EXPECT_FALSE(data.Modified);
  // Kenn-Nummern "3", "2", "1", "4" now; by id they go back.
  ASSERT_TRUE(SortStudents(state, ui, 0, core::SortKey::StudentId));
  EXPECT_EQ(Surnames(data.Table, 0, 4), (Names{"Conrad", "Berger", "Adler", "Dietz"}));
  EXPECT_TRUE(data.Modified);
}

TEST_F(RecordCommandsTest, ShownEncipheredRefusesEveryChangeButCopyAndSearchRun) {
  data.ShownEnciphered = true;
  const auto before = data.Block();
  for (int i = 0; i < 6; ++i) ui.ExpectAsk(Icon::Warning, kEncipheredPart);
  EXPECT_FALSE(CutStudentRecord(state, ui, 0));
  EXPECT_FALSE(PasteStudentRecord(state, ui, 0));
  EXPECT_FALSE(SortStudents(state, ui, 0, core::SortKey::Surname));
  EXPECT_FALSE(SortStudents(state, ui, 0, core::SortKey::ClassName));
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Copy));
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));
  EXPECT_EQ(data.Block(), before);
  EXPECT_FALSE(data.Modified);

  CopyStudentRecord(state, 3);
  EXPECT_EQ(state.RecordList.Clipboard.Surname, "Dietz");
  ui.ExpectSearchDialog(SearchRequest{"Adler", SearchField::Surname, MatchKind::Whole});
  EXPECT_EQ(SearchStudent(state, ui, 0), 2u);
  EXPECT_TRUE(ui.Done());
}

// --- search ---------------------------------------------------------------

TEST_F(RecordCommandsTest, SearchKeepsTheRequestAndShowsItNextTime) {
  const std::string long_text(45, 'x');
  ui.ExpectSearchDialog(SearchRequest{long_text, SearchField::GivenNames, MatchKind::Part});
  ui.ExpectAsk(Icon::Information, kNoMatch);
  EXPECT_EQ(SearchStudent(state, ui, 0), std::nullopt);
  // Not found: the text is emptied, the choices stay.
  EXPECT_EQ(state.RecordList.Search.Text, "");
  EXPECT_EQ(state.RecordList.Search.Field, SearchField::GivenNames);
  EXPECT_EQ(state.RecordList.Search.Kind, MatchKind::Part);

  ui.ExpectSearchDialog(SearchRequest{"Vorname 3", SearchField::GivenNames, MatchKind::Whole});
  EXPECT_EQ(SearchStudent(state, ui, 0), 3u);
  EXPECT_EQ(state.RecordList.Search.Text, "Vorname 3");

  ui.ExpectSearchDialog(std::nullopt);  // Abbrechen keeps the state
  EXPECT_EQ(SearchStudent(state, ui, 0), std::nullopt);
  EXPECT_EQ(state.RecordList.Search.Text, "Vorname 3");

  ASSERT_EQ(ui.SearchRequests().size(), 3u);
  EXPECT_EQ(ui.SearchRequests()[0].Text, "");
  EXPECT_EQ(ui.SearchRequests()[0].Field, SearchField::Surname);  // preselected "Name"
  EXPECT_EQ(ui.SearchRequests()[0].Kind, MatchKind::Whole);       // "volle Übereinstimmung"
  EXPECT_EQ(ui.SearchRequests()[1].Field, SearchField::GivenNames);
  EXPECT_EQ(ui.SearchRequests()[2].Text, "Vorname 3");
}

TEST_F(RecordCommandsTest, TheSearchTextIsCutTo40Characters) {
  data.Table.At(5).Surname = std::string(40, 'x');
  ui.ExpectSearchDialog(
      SearchRequest{std::string(41, 'x'), SearchField::Surname, MatchKind::Whole});
  EXPECT_EQ(SearchStudent(state, ui, 0), 5u);
  EXPECT_EQ(state.RecordList.Search.Text, std::string(40, 'x'));
}

TEST_F(RecordCommandsTest, OnlyTheCurrentStudentMatches) {
  ui.ExpectSearchDialog(SearchRequest{"Adler", SearchField::Surname, MatchKind::Whole});
  EXPECT_EQ(SearchStudent(state, ui, 2), 2u);
  ui.ExpectAsk(Icon::Information, kNoMatch);
  EXPECT_EQ(SearchNextStudent(state, ui, 2), std::nullopt);
  EXPECT_EQ(state.RecordList.Search.Text, "");
  // With the text emptied, "Weiter Suchen" opens the dialog and starts at
  // the current student.
  ui.ExpectSearchDialog(SearchRequest{"Adler", SearchField::Surname, MatchKind::Whole});
  EXPECT_EQ(SearchNextStudent(state, ui, 2), 2u);
  EXPECT_TRUE(ui.Done());
}

TEST_F(RecordCommandsTest, WeiterSuchenGoesOnAfterTheCurrentStudentAndRoundTheList) {
  data.Table.At(10).Surname = "Bergmann";
  data.Table.At(34).Surname = "Silberg";
  // Upper and lower case count alike.
  ui.ExpectSearchDialog(SearchRequest{"berg", SearchField::Surname, MatchKind::Part});
  EXPECT_EQ(SearchStudent(state, ui, 0), 1u);
  EXPECT_EQ(SearchNextStudent(state, ui, 1), 10u);
  EXPECT_EQ(SearchNextStudent(state, ui, 10), 34u);
  // After the last student the search goes on from the top, with a note.
  ui.ExpectAsk(Icon::Information, "Die Suche wurde am Anfang der Liste fortgesetzt.");
  EXPECT_EQ(SearchNextStudent(state, ui, 34), 1u);

  ui.ExpectSearchDialog(SearchRequest{"SILBERG", SearchField::Surname, MatchKind::Whole});
  EXPECT_EQ(SearchStudent(state, ui, 0), 34u);
  ui.ExpectAsk(Icon::Information, kNoMatch);
  EXPECT_EQ(SearchNextStudent(state, ui, 34), std::nullopt);
  EXPECT_TRUE(ui.Done());
}

// --- transfer into another data file ----------------------------------------

class TransferTest : public RecordCommandsTest {
 protected:
  fs::path target = dir / "ZIEL.TLK";
};

TEST_F(TransferTest, CopyAppendsTheRecordAfterTheLastStudent) {
  const auto original = TargetBlock(3);
  WriteAll(target, original);
  const auto before = data.Block();
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectSavingWindow().ExpectAsk(Icon::Information, "wurde in die Datei");
  ASSERT_TRUE(TransferStudentRecord(state, ui, 1, TransferKind::Copy));

  const auto written = ReadAll(target);
  ASSERT_EQ(written.size(), core::kDataFileSize);
  EXPECT_EQ(SlotOf(written, 3), RecordBytes(data.Table.At(1)));
  // Every other byte, the password field included, is as it was.
  auto expected = original;
  std::copy_n(written.begin() + 3 * L::kRecordSize, L::kRecordSize,
              expected.begin() + 3 * L::kRecordSize);
  EXPECT_EQ(written, expected);
  // Copying leaves the current data alone.
  EXPECT_EQ(data.Block(), before);
  EXPECT_FALSE(data.Modified);

  const auto& request = ui.DialogRequests().at(0);
  EXPECT_EQ(request.Title, "Schüler-Datensatz in die Datei ...");
  EXPECT_EQ(request.Filter, "Abiturdaten SL (*.TLK)|*.TLK");
  EXPECT_EQ(request.DefaultExtension, "TLK");
  EXPECT_EQ(request.InitialDirectory, state.Dirs.Program);
}

TEST_F(TransferTest, CutReplacesTheCurrentRecordAfterWriting) {
  WriteAll(target, TargetBlock(0));
  const auto moved = RecordBytes(data.Table.At(2));
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectSavingWindow().ExpectAsk(Icon::Information, "wurde in die Datei");
  ASSERT_TRUE(TransferStudentRecord(state, ui, 2, TransferKind::Cut));
  EXPECT_EQ(SlotOf(ReadAll(target), 0), moved);
  // The slot is fresh; the records below did not move up.
  EXPECT_EQ(RecordBytes(data.Table.At(2)), RecordBytes(core::InitialisedRecord(DefaultsOf(state))));
  EXPECT_EQ(data.Table.At(3).Surname, "Dietz");
  EXPECT_TRUE(data.Modified);
}

TEST_F(TransferTest, AFullTargetIsReportedEvenWithEarlierFreeSlots) {
  auto block = TargetBlock(2);
  auto table = core::DecodeTable(block);
  table.At(34).Surname = "Letzter";
  core::EncodeTable(table, block);
  WriteAll(target, block);
  const auto before = data.Block();
  for (auto [kind, text] :
       {std::pair{TransferKind::Copy, kFullCopy}, std::pair{TransferKind::Cut, kFullCut}}) {
    ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
    ui.ExpectAsk(Icon::Information, text);
    EXPECT_FALSE(TransferStudentRecord(state, ui, 0, kind));
  }
  EXPECT_EQ(ReadAll(target), block);
  EXPECT_EQ(data.Block(), before);
  EXPECT_FALSE(data.Modified);
}

TEST_F(TransferTest, AMissingTargetIsNamedAndNothingIsCreated) {
  const fs::path missing = dir / "NEU.TLK";
  ui.ExpectSaveDialog(missing);
  ui.ExpectAsk(Icon::Information,
               "Eine Datei mit dem Namen:\r" + core::PathText(missing) + kMissingEnd);
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_FALSE(data.Modified);
  EXPECT_EQ(data.Table.At(0).Surname, "Conrad");
}

TEST_F(TransferTest, CancelOrNoWritesNothing) {
  const auto original = TargetBlock(1);
  WriteAll(target, original);
  ui.ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::No);
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));
  EXPECT_EQ(ReadAll(target), original);
  EXPECT_EQ(data.Table.At(0).Surname, "Conrad");
  EXPECT_FALSE(data.Modified);
  // Only the copying variant titles the dialog.
  EXPECT_EQ(ui.DialogRequests().at(0).Title, "");
}

TEST_F(TransferTest, TheTargetIsFoundWhateverTheCaseOfItsName) {
  WriteAll(target, TargetBlock(0));
  ui.ExpectSaveDialog(dir / "ziel.tlk").ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectSavingWindow().ExpectAsk(Icon::Information, "wurde in die Datei");
  ASSERT_TRUE(TransferStudentRecord(state, ui, 0, TransferKind::Copy));
  EXPECT_EQ(SlotOf(ReadAll(target), 0), RecordBytes(data.Table.At(0)));
  EXPECT_FALSE(fs::exists(dir / "ziel.tlk"));
}

TEST_F(TransferTest, TheCurrentDataFileIsRefusedAsTarget) {
  WriteAll(target, TargetBlock(0));
  data.CurrentFileName = "ZIEL.TLK";
  state.Dirs.Data = dir.path();
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kSameFilePart);
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));
  EXPECT_EQ(ReadAll(target), TargetBlock(0));
  EXPECT_EQ(data.Table.At(0).Surname, "Conrad");
}

TEST_F(TransferTest, AShortTargetIsAnIoErrorAndNothingIsWritten) {
  auto shorter = TargetBlock(0);
  shorter.pop_back();
  WriteAll(target, shorter);
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  EXPECT_THROW(TransferStudentRecord(state, ui, 0, TransferKind::Cut), IoError);
  EXPECT_EQ(ReadAll(target), shorter);
  EXPECT_EQ(data.Table.At(0).Surname, "Conrad");
  EXPECT_FALSE(data.Modified);
}

TEST_F(TransferTest, AFailedWriteKeepsTheTargetAndTheCurrentRecord) {
  const auto original = TargetBlock(0);
  WriteAll(target, original);
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  {
    test::FileSizeLimit limit(1000);
    EXPECT_THROW(TransferStudentRecord(state, ui, 0, TransferKind::Cut), IoError);
  }
  EXPECT_EQ(ReadAll(target), original);
  EXPECT_EQ(data.Table.At(0).Surname, "Conrad");
  EXPECT_FALSE(data.Modified);
}

// --- protected targets --------------------------------------------------------

TEST_F(TransferTest, AProtectedTargetGetsTheRecordEncipheredWithItsOwnPassword) {
  const auto original = TargetBlock(2, "geheim");
  WriteAll(target, original);
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectPasswordQuery({true, "geheim", CipherVariant::Neu});
  ui.ExpectSavingWindow().ExpectAsk(Icon::Information, "wurde in die Datei");
  ASSERT_TRUE(TransferStudentRecord(state, ui, 3, TransferKind::Copy));

  auto written = ReadAll(target);
  ASSERT_EQ(written.size(), core::kDataFileSize);
  // The password field is unchanged ...
  EXPECT_TRUE(std::equal(written.begin() + core::kPasswordFieldOffset, written.end(),
                         original.begin() + core::kPasswordFieldOffset));
  // ... and deciphering with the target's password gives the old students
  // and the added record.
  core::ApplyCipher(written, core::ScramblePassword("geheim"), CipherVariant::Neu);
  const auto table = core::DecodeTable(written);
  EXPECT_EQ(Surnames(table, 0, 4), (Names{"Ziel0", "Ziel1", "Dietz", core::kFreeSlot}));
  EXPECT_EQ(SlotOf(written, 2), RecordBytes(data.Table.At(3)));
  // The session's own password state is not touched.
  EXPECT_EQ(data.EnteredPassword, "");
  EXPECT_EQ(data.Variant, CipherVariant::Neu);
}

TEST_F(TransferTest, AnOldStyleTargetIsWrittenTheNewWay) {
  WriteAll(target, TargetBlock(1, "altes Passwort", CipherVariant::Alt));
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectPasswordQuery({true, "altes Passwort", CipherVariant::Alt});
  ui.ExpectSavingWindow().ExpectAsk(Icon::Information, "wurde in die Datei");
  ASSERT_TRUE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));
  auto written = ReadAll(target);
  core::ApplyCipher(written, core::ScramblePassword("altes Passwort"), CipherVariant::Neu);
  EXPECT_EQ(Surnames(core::DecodeTable(written), 0, 3),
            (Names{"Ziel0", "Conrad", core::kFreeSlot}));
  EXPECT_TRUE(data.Modified);
}

TEST_F(TransferTest, AWrongPasswordOrCancelWritesNothing) {
  const auto original = TargetBlock(1, "geheim");
  WriteAll(target, original);
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectPasswordQuery({true, "geheiM", CipherVariant::Neu});
  ui.ExpectAsk(Icon::Error, kWrongPasswordPart);
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));

  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectPasswordQuery({false, "", CipherVariant::Neu});
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Cut));

  EXPECT_EQ(ReadAll(target), original);
  EXPECT_EQ(data.Table.At(0).Surname, "Conrad");
  EXPECT_FALSE(data.Modified);
}

TEST_F(TransferTest, TheWrongVariantReadsAsFullAndWritesNothing) {
  // Deciphered "alt", a "neu" file shows garbled names; slot 34 is never
  // taken for free then, so nothing garbled is written back.
  const auto original = TargetBlock(1, "geheim", CipherVariant::Neu);
  WriteAll(target, original);
  ui.ExpectSaveDialog(target).ExpectAsk(Icon::Information, kAskAppend, Answer::Yes);
  ui.ExpectPasswordQuery({true, "geheim", CipherVariant::Alt});
  ui.ExpectAsk(Icon::Information, kFullCopy);
  EXPECT_FALSE(TransferStudentRecord(state, ui, 0, TransferKind::Copy));
  EXPECT_EQ(ReadAll(target), original);
}

}  // namespace
}  // namespace tolka::app
