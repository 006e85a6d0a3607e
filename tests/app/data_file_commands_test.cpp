#include "app/data_file_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/data_password.h"
#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "core/io_error.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::app {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WriteAll;

// The system's texts, written out here so a changed letter in the program
// shows up as a failing test.
const std::string kAskSaveBeforeNew =
    "Die Daten der aktuellen Datei/Sitzung\rwurden eventuell noch nicht gesichert!\rWollen Sie "
    "die Daten jetzt erst sichern?";
const std::string kAskSaveBeforeOpen =
    "Die Daten der aktuellen Datei/Sitzung\rwurden eventuell geändert!\rWollen Sie die Daten "
    "jetzt erst sichern/speichern?";
const std::string kWrongPassword =
    "Das eingegebene Passwort ist FALSCH!\r\rDie Daten können nicht richtig entschlüsselt "
    "werden!\r\rSpeichern Sie verschlüsselt angezeigte Daten NIEMALS ab!\rDies führt fast "
    "immer zum vollständigen Datenverlust!";
const std::string kAskOverwrite = "Soll die vorhandene Datei überschrieben werden?";
const std::string kNoFileYet =
    "Es existiert noch keine Datei!\r\rLegen Sie eine neue Datei an oder Öffnen Sie eine "
    "vorhandene!";
const std::string kPasswordsDiffer =
    "Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!";
const std::string kSettingsNotCentral =
    "Sie haben die Daten-Datei in einen anderen Ordner gespeichert!\rDa Sie die Programm-, "
    "Druck- u. Fächer-Einstellungen nicht zentral\rverwalten, können Probleme bei der "
    "Datenauswertung auftreten!\r\rPrüfen Sie die Einstellung oder Kopieren sie bei Bedarf "
    "auch die\rbetreffenden Einstellungs-Dateien!";
const std::string kListsNotCentral =
    "Sie haben die Daten-Datei in einen anderen Ordner gespeichert!\rDa Sie die Projektkurs-, "
    "Klassen- und Tutoren-Listen nicht zentral\rverwalten, können Probleme bei der Anzeige der "
    "Elemente auftreten!\r\rPrüfen Sie die Einstellung oder Kopieren sie bei Bedarf auch "
    "die\rbetreffenden Dateien oder Ergänzen Sie die Listen!";
const std::string kAskLeave = "Wollen Sie das Programm jetzt wirklich beenden?";
const std::string kAskSaveOnLeave =
    "Die Daten wurden geändert!\r\rSollen die Änderungen gespeichert werden?";
// The refusal to save data shown enciphered names the reason.
const std::string kShownEncipheredPart = "verschlüsselt angezeigt";

core::PasswordQueryAnswer QueryOk(const std::string& password,
                                  core::CipherVariant variant = core::CipherVariant::Neu) {
  return {true, password, variant};
}

// A program state filled by hand: the program directory is all four
// directories, built-in catalogue, default general settings, and a table
// with a few students (slot 35 too).
AppState MakeState(const fs::path& program) {
  AppState state;
  state.Dirs = core::Directories::AllAt(program);
  state.Catalogue = settings::BuiltInSubjectCatalogue();
  state.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state.Catalogue));
  auto& a = state.Data.Table.At(0);
  a.Surname = "Müller";
  a.GivenNames = "Jörg";
  a.CourseChoices[0].Subject = "Deutsch";
  a.CourseResults[0].SemesterPoints[0] = "13";
  a.InternalRemarks = "Schreibt gern.\r\nLiest viel.";
  auto& b = state.Data.Table.At(34);
  b.Surname = "Zöllner";
  b.GivenNames = "Ägidius";
  state.Data.Table.At(35).Surname = "Überlauf";
  state.Data.Modified = true;
  return state;
}

// The plain table bytes of a state.
std::vector<uint8_t> TableBytes(const DataSession& data) {
  const core::DataFileBlock block = data.Block();
  return {block.begin(), block.begin() + core::kTableSize};
}

std::vector<uint8_t> TableBytes(const std::vector<uint8_t>& file) {
  return {file.begin(), file.begin() + core::kTableSize};
}

// A data file as another session would have written it.
std::vector<uint8_t> EncipheredFile(const AppState& state, const std::string& password,
                                    core::CipherVariant variant) {
  core::DataFileBlock block = state.Data.Block();
  const std::string field = core::ScramblePassword(password);
  core::SetPasswordField(block, field);
  core::ApplyCipher(block, field, variant);
  return block;
}

class DataFileCommands : public ::testing::Test {
 protected:
  TempDir dir_;
  fs::path Sub(const std::string& name) {
    fs::create_directories(dir_ / name);
    return dir_ / name;
  }
};

// --- Save and the block ------------------------------------------------------

TEST_F(DataFileCommands, SaveOfUntitledDataWritesTheWholeBlockAndMakesItCurrent) {
  AppState state = MakeState(dir_.path());
  const auto expected = state.Data.Block();
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "JG2024.TLK").ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state, ui));

  const auto file = ReadAll(dir_ / "JG2024.TLK");
  ASSERT_EQ(file.size(), 159712u);
  EXPECT_EQ(file, expected);
  EXPECT_EQ(file[159696], 0) << "no password: length byte 0";
  EXPECT_EQ(state.Data.CurrentFileName, "JG2024.TLK");
  EXPECT_EQ(state.Dirs.Data, dir_.path());
  EXPECT_FALSE(state.Data.Modified);
  EXPECT_FALSE(state.Data.Protected);
  EXPECT_EQ(state.Data.LastWriteTime, fs::last_write_time(dir_ / "JG2024.TLK"));

  ASSERT_EQ(ui.DialogRequests().size(), 1u);
  const auto& request = ui.DialogRequests()[0];
  EXPECT_EQ(request.Filter, "Abiturdaten SL (*.TLK)|*.TLK");
  EXPECT_EQ(request.DefaultExtension, "TLK");
  EXPECT_EQ(request.InitialDirectory, dir_.path());
}

TEST_F(DataFileCommands, SaveOfTitledDataWritesWithoutAsking) {
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = "JG.TLK";
  ScriptedInteraction ui;
  ui.ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "JG.TLK"), state.Data.Block());
}

TEST_F(DataFileCommands, SaveWithoutFileNameShowsTheMessageAndWritesNothing) {
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName.clear();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Error, kNoFileYet);
  EXPECT_FALSE(SaveData(state, ui));
  EXPECT_TRUE(fs::is_empty(dir_.path()));
  EXPECT_TRUE(state.Data.Modified);
}

TEST_F(DataFileCommands, UntitledSaveAnsweredNoStaysUntitledAndAsksAgainNextTime) {
  AppState state = MakeState(dir_.path());
  const std::vector<uint8_t> old_content(159712, 0x5A);
  WriteAll(dir_ / "ALT.TLK", old_content);

  ScriptedInteraction first;
  first.ExpectSaveDialog(dir_ / "ALT.TLK").ExpectAsk(Icon::Information, kAskOverwrite, Answer::No);
  EXPECT_FALSE(SaveData(state, first));
  EXPECT_TRUE(state.Data.IsUntitled());
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_EQ(ReadAll(dir_ / "ALT.TLK"), old_content);

  // The second Save shows the dialog again instead of writing unasked.
  ScriptedInteraction second;
  second.ExpectSaveDialog(dir_ / "ALT.TLK")
      .ExpectAsk(Icon::Information, kAskOverwrite, Answer::Yes)
      .ExpectSavingWindow();
  EXPECT_TRUE(SaveData(state, second));
  EXPECT_EQ(ReadAll(dir_ / "ALT.TLK"), state.Data.Block());
  EXPECT_EQ(state.Data.CurrentFileName, "ALT.TLK");
}

TEST_F(DataFileCommands, CancelOfTheSaveDialogWritesNothing) {
  AppState state = MakeState(dir_.path());
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(SaveData(state, ui));
  EXPECT_TRUE(fs::is_empty(dir_.path()));
  EXPECT_TRUE(state.Data.IsUntitled());
  EXPECT_TRUE(state.Data.Modified);
}

// --- Open --------------------------------------------------------------------

TEST_F(DataFileCommands, OpenOfAFileWithoutPasswordAsksNothingAndWritesAnIdenticalBak) {
  const AppState source = MakeState(dir_.path());
  const fs::path data_dir = Sub("jahrgang");
  const auto file = source.Data.Block();
  WriteAll(data_dir / "JG2024.TLK", file);

  AppState state = MakeState(dir_.path());
  state.Data.Table.At(0).Surname = "Anderer";
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectOpenDialog(data_dir / "JG2024.TLK");
  ASSERT_TRUE(OpenData(state, ui));

  EXPECT_EQ(ReadAll(data_dir / "JG2024.BAK"), file);
  EXPECT_EQ(state.Data.Block(), file);
  EXPECT_EQ(state.Data.Table.At(0).Surname, "Müller");
  EXPECT_EQ(state.Data.CurrentFileName, "JG2024.TLK");
  EXPECT_EQ(state.Dirs.Data, data_dir);
  EXPECT_FALSE(state.Data.Protected);
  EXPECT_FALSE(state.Data.ShownEnciphered);
  EXPECT_FALSE(state.Data.Modified);
  EXPECT_EQ(state.Data.LastWriteTime, fs::last_write_time(data_dir / "JG2024.TLK"));
  ASSERT_EQ(ui.DialogRequests().size(), 1u);
  EXPECT_EQ(ui.DialogRequests()[0].InitialDirectory, dir_.path());
  EXPECT_EQ(ui.DialogRequests()[0].Filter, "Abiturdaten SL (*.TLK)|*.TLK");
  EXPECT_EQ(ui.DialogRequests()[0].DefaultExtension, "TLK");
}

TEST_F(DataFileCommands, OpenThenSaveWritesTheFileBackByteForByte) {
  // Bytes that carry no meaning (after short texts, padding, after the
  // password field's text) survive an Open and a Save.
  std::vector<uint8_t> file(159712);
  for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 31 + 7);
  // Short strings whose length bytes fit, so the records decode sensibly;
  // the password field is empty but its other bytes are not zero.
  file[159696] = 0;
  WriteAll(dir_ / "ROH.TLK", file);

  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectSavingWindow();
  ASSERT_TRUE(OpenDataFile(state, ui, dir_ / "ROH.TLK"));
  ASSERT_TRUE(SaveData(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "ROH.TLK"), file);
}

TEST_F(DataFileCommands, OpenOfALongerFileTakesItsFirstBlock) {
  const AppState source = MakeState(dir_.path());
  auto file = source.Data.Block();
  const auto block = file;
  file.insert(file.end(), {1, 2, 3, 4, 5});
  WriteAll(dir_ / "LANG.TLK", file);

  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ASSERT_TRUE(OpenDataFile(state, ui, dir_ / "LANG.TLK"));
  EXPECT_EQ(state.Data.Block(), block);
  EXPECT_EQ(ReadAll(dir_ / "LANG.BAK"), block);
}

TEST_F(DataFileCommands, OpenOfAShortFileChangesNothingAndWritesNoBak) {
  const AppState source = MakeState(dir_.path());
  auto file = source.Data.Block();
  file.pop_back();
  const fs::path data_dir = Sub("d");
  WriteAll(data_dir / "KURZ.TLK", file);

  AppState state = MakeState(dir_.path());
  state.Data.Table.At(0).Surname = "Bleibt";
  const auto before = state.Data.Block();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kAskSaveBeforeOpen, Answer::No)
      .ExpectOpenDialog(data_dir / "KURZ.TLK");
  try {
    OpenData(state, ui);
    FAIL() << "no IoError";
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()), "Die Datei \x84" + core::PathText(data_dir / "KURZ.TLK") +
                                         "\x93 ist keine Tolka-Datendatei (falsche Größe).");
  }
  EXPECT_EQ(state.Data.Block(), before);
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_TRUE(state.Data.IsUntitled());
  EXPECT_EQ(state.Dirs.Data, dir_.path());
  EXPECT_FALSE(fs::exists(data_dir / "KURZ.BAK"));
}

TEST_F(DataFileCommands, OpenOfAMissingFileReportsIt) {
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  try {
    OpenDataFile(state, ui, dir_ / "FEHLT.TLK");
    FAIL() << "no IoError";
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Die Datei \x84" + core::PathText(dir_ / "FEHLT.TLK") + "\x93 wurde nicht gefunden.");
  }
  EXPECT_TRUE(state.Data.IsUntitled());
}

TEST_F(DataFileCommands, CancelOfTheOpenDialogKeepsTheModifiedFlag) {
  AppState state = MakeState(dir_.path());
  const auto before = state.Data.Block();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kAskSaveBeforeOpen, Answer::No).ExpectOpenDialog(std::nullopt);
  EXPECT_FALSE(OpenData(state, ui));
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_EQ(state.Data.Block(), before);
}

TEST_F(DataFileCommands, OpenStopsWhenTheSaveAskedForDoesNotComplete) {
  AppState state = MakeState(dir_.path());
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kAskSaveBeforeOpen, Answer::Yes).ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(OpenData(state, ui));  // no open dialog follows
  EXPECT_TRUE(state.Data.Modified);
}

TEST_F(DataFileCommands, OpenSavesFirstWhenAskedAndThenOpens) {
  const AppState other = MakeState(dir_.path());
  WriteAll(dir_ / "B.TLK", other.Data.Block());
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = "A.TLK";
  state.Data.Table.At(1).Surname = "Neu";
  const auto a_block = state.Data.Block();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kAskSaveBeforeOpen, Answer::Yes)
      .ExpectSavingWindow()
      .ExpectOpenDialog(dir_ / "B.TLK");
  ASSERT_TRUE(OpenData(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "A.TLK"), a_block);
  EXPECT_EQ(state.Data.CurrentFileName, "B.TLK");
  EXPECT_FALSE(state.Data.Modified);
}

TEST_F(DataFileCommands, TheBakCopyReplacesTheLastThreeCharactersOfTheName) {
  const AppState source = MakeState(dir_.path());
  const auto file = source.Data.Block();
  WriteAll(dir_ / "jg.tlk", file);
  WriteAll(dir_ / "OHNE", file);
  WriteAll(dir_ / "x", file);
  WriteAll(dir_ / "KOPIE.BAK", file);
  WriteAll(dir_ / "jg.BAK", std::vector<uint8_t>(10, 1));  // an earlier copy is replaced

  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  OpenDataFile(state, ui, dir_ / "jg.tlk");
  EXPECT_EQ(ReadAll(dir_ / "jg.BAK"), file);
  OpenDataFile(state, ui, dir_ / "OHNE");
  EXPECT_EQ(ReadAll(dir_ / "OBAK"), file);
  // A name too short to lose three characters keeps its name.
  OpenDataFile(state, ui, dir_ / "x");
  EXPECT_EQ(ReadAll(dir_ / "x.BAK"), file);
  // A file whose name already ends in BAK is its own copy.
  OpenDataFile(state, ui, dir_ / "KOPIE.BAK");
  EXPECT_EQ(ReadAll(dir_ / "KOPIE.BAK"), file);
}

// A ".BAK" copy that cannot be written (an archive on a read-only share)
// does not keep the year group from being read: a warning, then Open.
TEST_F(DataFileCommands, AFailingBakCopyIsReportedAndTheFileOpensAllTheSame) {
  AppState source = MakeState(dir_.path());
  source.Data.Table.At(0).Surname = "Archiv";
  WriteAll(dir_ / "JG.TLK", source.Data.Block());
  fs::create_directory(dir_ / "JG.BAK");  // a directory where the copy goes
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, "Die Sicherungskopie\r\x84" + core::PathText(dir_ / "JG.BAK") +
                                  "\x93\rkonnte nicht angelegt werden:\rDas ist ein Ordner");
  EXPECT_TRUE(OpenDataFile(state, ui, dir_ / "JG.TLK"));
  EXPECT_EQ(state.Data.Table.At(0).Surname, "Archiv");
  EXPECT_EQ(state.Data.CurrentFileName, "JG.TLK");
}

// A data file in a write-protected folder (archived year groups) opens for
// reading only, after the warning about the missing copy; Save then asks for
// another name and never writes there.
TEST_F(DataFileCommands, AFileInAReadOnlyFolderOpensForReadingOnly) {
  const fs::path archive = dir_ / "archiv";
  fs::create_directory(archive);
  AppState source = MakeState(dir_.path());
  source.Data.Table.At(0).Surname = "Archiv";
  const auto bytes = source.Data.Block();
  WriteAll(archive / "JG2020.TLK", bytes);
  fs::permissions(archive, fs::perms::owner_read | fs::perms::owner_exec);
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, "konnte nicht angelegt werden:\rZugriff verweigert")
      .ExpectAsk(Icon::Information, "ist schreibgeschützt (oder liegt in einem");
  EXPECT_TRUE(OpenDataFile(state, ui, archive / "JG2020.TLK"));
  EXPECT_TRUE(state.Data.ReadOnly);
  EXPECT_EQ(state.Data.Table.At(0).Surname, "Archiv");
  EXPECT_FALSE(fs::exists(archive / "JG2020.BAK"));

  state.Data.Table.At(0).Surname = "Neu";
  state.Data.Modified = true;
  ui.ExpectAsk(Icon::Information, "ist schreibgeschützt und wird nicht überschrieben")
      .ExpectSaveDialog(archive / "JG2020.TLK")  // the same file again: refused
      .ExpectAsk(Icon::Error, "Keine Schreibberechtigung für");
  EXPECT_FALSE(SaveData(state, ui));
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_EQ(ReadAll(archive / "JG2020.TLK"), bytes);

  ui.ExpectAsk(Icon::Information, "ist schreibgeschützt und wird nicht überschrieben")
      .ExpectSaveDialog(dir_ / "JG2020.TLK")
      .ExpectSavingWindow();
  EXPECT_TRUE(SaveData(state, ui));
  EXPECT_FALSE(state.Data.ReadOnly);
  EXPECT_FALSE(state.Data.Modified);
  EXPECT_EQ(state.Dirs.Data, dir_.path());
  fs::permissions(archive, fs::perms::owner_all);
}

// --- The data password -------------------------------------------------------

TEST_F(DataFileCommands, FourCharacterPasswordRoundTripsByteForByte) {
  AppState state = MakeState(dir_.path());
  state.General.EncryptData = 1;
  const auto plain = TableBytes(state.Data);
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "GEHEIM.TLK")
      .ExpectPasswordDefinition("abcd", "abcd")
      .ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state, ui));
  EXPECT_TRUE(state.Data.Protected);
  EXPECT_EQ(state.Data.EnteredPassword, "abcd");

  const auto file = ReadAll(dir_ / "GEHEIM.TLK");
  ASSERT_EQ(file.size(), 159712u);
  const std::string scrambled = core::ScramblePassword("abcd");
  EXPECT_EQ(file[159696], 4);
  EXPECT_EQ(std::string(file.begin() + 159697, file.begin() + 159701), scrambled);
  EXPECT_NE(TableBytes(file), plain);
  core::DataFileBlock deciphered = file;
  core::ApplyCipher(deciphered, scrambled, core::CipherVariant::Neu);
  EXPECT_EQ(TableBytes(deciphered), plain);

  AppState reader = MakeState(dir_.path());
  reader.Data.Modified = false;
  ScriptedInteraction ui2;
  ui2.ExpectPasswordQuery(QueryOk("abcd")).ExpectSavingWindow();
  ASSERT_TRUE(OpenDataFile(reader, ui2, dir_ / "GEHEIM.TLK"));
  EXPECT_TRUE(reader.Data.Protected);
  EXPECT_FALSE(reader.Data.ShownEnciphered);
  EXPECT_EQ(reader.Data.EnteredPassword, "abcd");
  EXPECT_EQ(TableBytes(reader.Data), plain);
  EXPECT_EQ(reader.Data.Table.At(0).Surname, "Müller");
  // The .BAK copy is the file as read, enciphered.
  EXPECT_EQ(ReadAll(dir_ / "GEHEIM.BAK"), file);

  // Saved again, the file keeps its password without a new definition.
  ASSERT_TRUE(SaveData(reader, ui2));
  EXPECT_EQ(ReadAll(dir_ / "GEHEIM.TLK"), file);
}

TEST_F(DataFileCommands, TheDefinitionIsShownAgainUntilBothTextsAgreeAndAreLongEnough) {
  AppState state = MakeState(dir_.path());
  state.General.AlwaysEncrypt = 1;
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "G.TLK")
      .ExpectPasswordDefinition("abc", "abc")
      .ExpectAsk(Icon::Error, kPasswordsDiffer)
      .ExpectPasswordDefinition("abcd", "abce")
      .ExpectAsk(Icon::Error, kPasswordsDiffer)
      .ExpectPasswordDefinition("", "")
      .ExpectAsk(Icon::Error, kPasswordsDiffer)
      .ExpectPasswordDefinition("wxyz", "wxyz")
      .ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state, ui));
  EXPECT_EQ(state.Data.EnteredPassword, "wxyz");
  EXPECT_EQ(state.Data.PasswordField, core::ScramblePassword("wxyz"));
}

TEST(DataPassword, DefinitionAcceptRule) {
  EXPECT_FALSE(AcceptPasswordDefinition({"abc", "abc"}));
  EXPECT_FALSE(AcceptPasswordDefinition({"abcd", "abcD"}));
  EXPECT_FALSE(AcceptPasswordDefinition({"abcd", "abcd "}));
  EXPECT_EQ(AcceptPasswordDefinition({"abcd", "abcd"}), "abcd");
  EXPECT_EQ(AcceptPasswordDefinition({"123456789012345", "123456789012345"}), "123456789012345");
  EXPECT_EQ(AcceptPasswordDefinition({"1234567890123456", "1234567890123456"}), "123456789012345");
}

TEST_F(DataFileCommands, SixteenCharacterPasswordIsCutToFifteen) {
  AppState state = MakeState(dir_.path());
  state.General.EncryptData = 1;
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "L.TLK")
      .ExpectPasswordDefinition("abcdefghijklmnop", "abcdefghijklmnop")
      .ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state, ui));
  EXPECT_EQ(state.Data.EnteredPassword, "abcdefghijklmno");
  const auto file = ReadAll(dir_ / "L.TLK");
  EXPECT_EQ(file[159696], 15);
  EXPECT_EQ(std::string(file.begin() + 159697, file.end()),
            core::ScramblePassword("abcdefghijklmno"));

  // Typed again with sixteen characters, the password opens the file.
  AppState reader = MakeState(dir_.path());
  reader.Data.Modified = false;
  ScriptedInteraction ui2;
  ui2.ExpectPasswordQuery(QueryOk("abcdefghijklmnop"));
  ASSERT_TRUE(OpenDataFile(reader, ui2, dir_ / "L.TLK"));
  EXPECT_FALSE(reader.Data.ShownEnciphered);
  EXPECT_EQ(reader.Data.EnteredPassword, "abcdefghijklmno");
  EXPECT_EQ(TableBytes(reader.Data), TableBytes(state.Data));
}

TEST_F(DataFileCommands, OneWrongCharacterIsRefusedAndTheDataStayEnciphered) {
  const AppState source = MakeState(dir_.path());
  const auto file = EncipheredFile(source, "abcd", core::CipherVariant::Neu);
  WriteAll(dir_ / "G.TLK", file);

  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  state.Data.EnteredPassword = "vorher";
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("abce")).ExpectAsk(Icon::Error, kWrongPassword);
  ASSERT_TRUE(OpenDataFile(state, ui, dir_ / "G.TLK"));
  EXPECT_TRUE(state.Data.ShownEnciphered);
  EXPECT_TRUE(state.Data.Protected);
  EXPECT_EQ(state.Data.Block(), file) << "the enciphered bytes are kept as they are";
  EXPECT_EQ(state.Data.EnteredPassword, "") << "a refused password is not kept";
  EXPECT_FALSE(state.Data.Modified);

  // Save and Save As are refused with a message; the file stays as it was.
  ScriptedInteraction ui2;
  ui2.ExpectAsk(Icon::Warning, kShownEncipheredPart).ExpectAsk(Icon::Warning, kShownEncipheredPart);
  EXPECT_FALSE(SaveData(state, ui2));
  EXPECT_FALSE(SaveDataAs(state, ui2));
  EXPECT_EQ(ReadAll(dir_ / "G.TLK"), file);

  // New clears the state.
  ScriptedInteraction ui3;
  ASSERT_TRUE(NewData(state, ui3));
  EXPECT_FALSE(state.Data.ShownEnciphered);
  EXPECT_FALSE(state.Data.Protected);
  EXPECT_TRUE(state.Data.IsUntitled());
  EXPECT_EQ(state.Data.PasswordField, "");
  EXPECT_EQ(state.Data.Table.At(0).Surname, "   - frei -");
  EXPECT_EQ(state.Data.Table.At(0).StudentId, "1");
  EXPECT_EQ(state.Data.Table.At(34).StudentId, "35");
}

TEST_F(DataFileCommands, PasswordOfRightLengthWithOneWrongCharacterFailsTheTest) {
  const std::string stored = core::ScramblePassword("abcd");
  DataSession data;
  for (const char* typed : {"abce", "Abcd", "abc", "abcde"}) {
    ScriptedInteraction ui;
    ui.ExpectPasswordQuery(QueryOk(typed));
    EXPECT_EQ(QueryDataPassword(data, ui, stored), PasswordQueryOutcome::Wrong) << typed;
  }
}

TEST_F(DataFileCommands, CancelOfTheQueryShowsTheDataEncipheredAndKeepsTheVariant) {
  const AppState source = MakeState(dir_.path());
  const auto file = EncipheredFile(source, "abcd", core::CipherVariant::Neu);
  WriteAll(dir_ / "G.TLK", file);
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  state.Data.EnteredPassword = "vorher";
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery({false, "abcd", core::CipherVariant::Alt});
  ASSERT_TRUE(OpenDataFile(state, ui, dir_ / "G.TLK"));
  EXPECT_TRUE(state.Data.ShownEnciphered);
  EXPECT_EQ(state.Data.EnteredPassword, "");
  EXPECT_EQ(state.Data.Variant, core::CipherVariant::Alt);
  EXPECT_EQ(state.Data.Block(), file);
}

TEST_F(DataFileCommands, AnAltFileIsReadWithAltAndSavedInTheNeuForm) {
  const AppState source = MakeState(dir_.path());
  const auto plain = TableBytes(source.Data);
  const auto alt_file = EncipheredFile(source, "alt1", core::CipherVariant::Alt);
  WriteAll(dir_ / "ALT.TLK", alt_file);

  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("alt1", core::CipherVariant::Alt)).ExpectSavingWindow();
  ASSERT_TRUE(OpenDataFile(state, ui, dir_ / "ALT.TLK"));
  EXPECT_EQ(TableBytes(state.Data), plain);
  EXPECT_EQ(state.Data.Variant, core::CipherVariant::Alt);

  ASSERT_TRUE(SaveData(state, ui));
  const auto saved = ReadAll(dir_ / "ALT.TLK");
  EXPECT_EQ(saved, EncipheredFile(source, "alt1", core::CipherVariant::Neu));
  EXPECT_NE(saved, alt_file);
}

TEST_F(DataFileCommands, AnAltFileReadWithNeuStaysUnreadable) {
  // The password test passes, but the wrong variant gives scrambled records:
  // the choice is the user's.
  const AppState source = MakeState(dir_.path());
  WriteAll(dir_ / "ALT.TLK", EncipheredFile(source, "alt1", core::CipherVariant::Alt));
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("alt1", core::CipherVariant::Neu));
  ASSERT_TRUE(OpenDataFile(state, ui, dir_ / "ALT.TLK"));
  EXPECT_NE(TableBytes(state.Data), TableBytes(source.Data));
}

TEST_F(DataFileCommands, AnUnprotectedFileNeverTakesThePasswordOfAnEarlierFile) {
  const AppState source = MakeState(dir_.path());
  WriteAll(dir_ / "G.TLK", EncipheredFile(source, "abcd", core::CipherVariant::Neu));
  WriteAll(dir_ / "OFFEN.TLK", source.Data.Block());

  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("abcd")).ExpectSavingWindow();
  OpenDataFile(state, ui, dir_ / "G.TLK");
  EXPECT_EQ(state.Data.EnteredPassword, "abcd");
  OpenDataFile(state, ui, dir_ / "OFFEN.TLK");
  EXPECT_FALSE(state.Data.Protected);
  state.Data.Table.At(3).Surname = "Neu";
  state.Data.Modified = true;
  ASSERT_TRUE(SaveData(state, ui));
  const auto file = ReadAll(dir_ / "OFFEN.TLK");
  EXPECT_EQ(file[159696], 0);
  EXPECT_EQ(file, state.Data.Block());
  EXPECT_FALSE(state.Data.Protected);
}

TEST_F(DataFileCommands, ProtectedDataKeepTheirPasswordWhenEncryptionIsNotSet) {
  const AppState source = MakeState(dir_.path());
  const auto file = EncipheredFile(source, "abcd", core::CipherVariant::Neu);
  WriteAll(dir_ / "G.TLK", file);
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("abcd"))
      .ExpectSavingWindow()
      .ExpectSaveDialog(dir_ / "K.TLK")
      .ExpectSavingWindow();
  OpenDataFile(state, ui, dir_ / "G.TLK");
  ASSERT_TRUE(SaveData(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "G.TLK"), file);
  // Save As without the settings keeps the password too.
  ASSERT_TRUE(SaveDataAs(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "K.TLK"), file);
}

TEST_F(DataFileCommands, SaveAsWithEncryptionSetDefinesANewPassword) {
  const AppState source = MakeState(dir_.path());
  WriteAll(dir_ / "G.TLK", EncipheredFile(source, "abcd", core::CipherVariant::Neu));
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("abcd"))
      .ExpectSaveDialog(dir_ / "NEU.TLK")
      .ExpectPasswordDefinition("neues", "neues")
      .ExpectSavingWindow();
  OpenDataFile(state, ui, dir_ / "G.TLK");
  // After Open: the general settings were reloaded from the data directory.
  state.General.EncryptData = 1;
  ASSERT_TRUE(SaveDataAs(state, ui));
  EXPECT_EQ(ui.DialogRequests().back().InitialName, "G.TLK");
  EXPECT_EQ(ReadAll(dir_ / "NEU.TLK"), EncipheredFile(source, "neues", core::CipherVariant::Neu));
  EXPECT_EQ(state.Data.CurrentFileName, "NEU.TLK");
}

TEST_F(DataFileCommands, AShorterNewPasswordLeavesNothingOfTheOldOne) {
  const AppState source = MakeState(dir_.path());
  WriteAll(dir_ / "A.TLK", EncipheredFile(source, "langespasswort1", core::CipherVariant::Neu));
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("langespasswort1"))
      .ExpectSaveDialog(dir_ / "B.TLK")
      .ExpectPasswordDefinition("kurz", "kurz")
      .ExpectSavingWindow();
  OpenDataFile(state, ui, dir_ / "A.TLK");
  state.General.EncryptData = 1;
  ASSERT_TRUE(SaveDataAs(state, ui));
  const auto file = ReadAll(dir_ / "B.TLK");
  EXPECT_EQ(file[159696], 4);
  EXPECT_TRUE(std::all_of(file.begin() + 159701, file.end(), [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(file, EncipheredFile(source, "kurz", core::CipherVariant::Neu));
}

// --- New ---------------------------------------------------------------------

TEST_F(DataFileCommands, NewAsksAboutUnsavedDataAndStopsWhenTheSaveDoesNotComplete) {
  AppState state = MakeState(dir_.path());
  const auto before = state.Data.Block();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kAskSaveBeforeNew, Answer::Yes).ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(NewData(state, ui));
  EXPECT_EQ(state.Data.Block(), before);
  EXPECT_TRUE(state.Data.Modified);
}

TEST_F(DataFileCommands, NewSavesWhenAskedThenStartsFresh) {
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = "A.TLK";
  state.Data.Variant = core::CipherVariant::Alt;
  const auto before = state.Data.Block();
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kAskSaveBeforeNew, Answer::Yes).ExpectSavingWindow();
  ASSERT_TRUE(NewData(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "A.TLK"), before);
  EXPECT_TRUE(state.Data.IsUntitled());
  EXPECT_FALSE(state.Data.Modified);
  EXPECT_EQ(state.Data.Variant, core::CipherVariant::Neu);
  EXPECT_EQ(state.Data.Table.At(0).Surname, "   - frei -");
  EXPECT_EQ(state.Data.Table.At(0).IntroPhase[0].Subject, "Deutsch");
  EXPECT_EQ(state.Data.Table.At(35).Surname, "Überlauf") << "slot 35 keeps its content";
}

TEST_F(DataFileCommands, NewAnsweredNoDropsTheChanges) {
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = "A.TLK";
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kAskSaveBeforeNew, Answer::No);
  ASSERT_TRUE(NewData(state, ui));
  EXPECT_FALSE(fs::exists(dir_ / "A.TLK"));
  EXPECT_EQ(state.Data.Table.At(0).Surname, "   - frei -");
}

TEST_F(DataFileCommands, NewWithEncryptionTakesTheEnteredPassword) {
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  state.Data.EnteredPassword = "abcd";
  state.General.EncryptData = 1;
  ScriptedInteraction ui;
  ASSERT_TRUE(NewData(state, ui));
  EXPECT_EQ(state.Data.PasswordField, core::ScramblePassword("abcd"));

  state.General.EncryptData = 0;
  ASSERT_TRUE(NewData(state, ui));
  EXPECT_EQ(state.Data.PasswordField, "");
  EXPECT_FALSE(state.Data.Protected);

  // No password entered since the start: the field stays empty and the next
  // Save asks for one.
  state.General.EncryptData = 1;
  state.Data.EnteredPassword.clear();
  ASSERT_TRUE(NewData(state, ui));
  EXPECT_EQ(state.Data.PasswordField, "");
  ui.ExpectSaveDialog(dir_ / "N.TLK").ExpectPasswordDefinition("efgh", "efgh").ExpectSavingWindow();
  ASSERT_TRUE(SaveData(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "N.TLK")[159696], 4);
}

// --- Save As -----------------------------------------------------------------

TEST_F(DataFileCommands, SaveAsIntoAnotherFolderWarnsWhenSettingsAndListsAreNotCentral) {
  AppState state = MakeState(dir_.path());
  state.General.CentralSettings = 0;
  state.General.CentralLists = 0;
  const fs::path other = Sub("anderer");
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(other / "JG.TLK")
      .ExpectSavingWindow()
      .ExpectAsk(Icon::Warning, kSettingsNotCentral)
      .ExpectAsk(Icon::Warning, kListsNotCentral);
  ASSERT_TRUE(SaveDataAs(state, ui));
  EXPECT_EQ(ui.DialogRequests()[0].InitialName, "VORLAGE.TLK");
  EXPECT_EQ(state.Dirs.Data, other);
  EXPECT_EQ(state.Dirs.Settings, other);
  EXPECT_EQ(state.Dirs.Lists, other);
  EXPECT_EQ(state.Dirs.Program, dir_.path());
  EXPECT_EQ(ReadAll(other / "JG.TLK"), state.Data.Block());
}

TEST_F(DataFileCommands, SaveAsWarnsOnlyAboutWhatIsNotCentral) {
  const fs::path other = Sub("anderer");
  AppState state = MakeState(dir_.path());
  state.General.CentralLists = 0;
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(other / "JG.TLK")
      .ExpectSavingWindow()
      .ExpectAsk(Icon::Warning, kListsNotCentral);
  ASSERT_TRUE(SaveDataAs(state, ui));
  EXPECT_EQ(state.Dirs.Settings, dir_.path());
  EXPECT_EQ(state.Dirs.Lists, other);

  // Same folder again: no warning.
  ui.ExpectSaveDialog(other / "JG2.TLK").ExpectSavingWindow();
  ASSERT_TRUE(SaveDataAs(state, ui));
}

TEST_F(DataFileCommands, SaveAsAnsweredNoOrCancelledChangesNothing) {
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = "A.TLK";
  WriteAll(dir_ / "B.TLK", {1, 2, 3});
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "B.TLK")
      .ExpectAsk(Icon::Information, kAskOverwrite, Answer::No)
      .ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(SaveDataAs(state, ui));
  EXPECT_FALSE(SaveDataAs(state, ui));
  EXPECT_EQ(state.Data.CurrentFileName, "A.TLK");
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_EQ(ReadAll(dir_ / "B.TLK"), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(fs::exists(dir_ / "A.TLK"));
}

// --- Failed saves ------------------------------------------------------------

TEST_F(DataFileCommands, AFailedSaveLeavesTheOldFileAndTheState) {
  // A name so long that the temporary file beside it cannot be created: the
  // write fails before the old file is touched.
  const std::string name = std::string(246, 'j') + ".TLK";
  const std::vector<uint8_t> old_file(159712, 0x33);
  WriteAll(dir_ / name, old_file);
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = name;
  state.Data.LastWriteTime = fs::last_write_time(dir_ / name);
  const auto time = state.Data.LastWriteTime;
  ScriptedInteraction ui;
  EXPECT_THROW(SaveData(state, ui), IoError);
  EXPECT_EQ(ReadAll(dir_ / name), old_file);
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_EQ(state.Data.CurrentFileName, name);
  EXPECT_EQ(state.Data.LastWriteTime, time);
}

TEST_F(DataFileCommands, ADirectoryInPlaceOfTheTargetFailsTheSave) {
  AppState state = MakeState(dir_.path());
  fs::create_directory(dir_ / "ORDNER.TLK");
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "ORDNER.TLK").ExpectAsk(Icon::Information, kAskOverwrite, Answer::Yes);
  try {
    SaveData(state, ui);
    FAIL() << "no IoError";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("konnte nicht gespeichert werden:\rDas ist ein Ordner"),
              std::string::npos)
        << e.what();
  }
  EXPECT_TRUE(fs::is_directory(dir_ / "ORDNER.TLK"));
  EXPECT_TRUE(state.Data.IsUntitled());
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_EQ(state.Dirs.Data, dir_.path());
}

TEST_F(DataFileCommands, AParentThatIsAFileFailsSaveAsAndKeepsThePasswordField) {
  AppState state = MakeState(dir_.path());
  WriteAll(dir_ / "datei", {0});
  state.General.CentralSettings = 0;
  state.General.EncryptData = 1;
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "datei" / "JG.TLK").ExpectPasswordDefinition("abcd", "abcd");
  EXPECT_THROW(SaveDataAs(state, ui), IoError);
  EXPECT_TRUE(state.Data.IsUntitled());
  EXPECT_TRUE(state.Data.Modified);
  EXPECT_FALSE(state.Data.Protected);
  EXPECT_EQ(state.Data.PasswordField, "");
  EXPECT_EQ(state.Dirs.Data, dir_.path());
  EXPECT_EQ(state.Dirs.Settings, dir_.path());
}

// --- Sicherung.DAT and leaving the program ----------------------------------

TEST_F(DataFileCommands, TheShutdownBackupOfPlainData) {
  AppState state = MakeState(dir_.path());
  WriteShutdownBackup(state);
  const auto backup = ReadAll(dir_ / "Sicherung.DAT");
  EXPECT_EQ(backup, state.Data.Block());
  EXPECT_EQ(backup[159696], 0);
}

TEST_F(DataFileCommands, TheShutdownBackupOfProtectedDataIsEnciphered) {
  const AppState source = MakeState(dir_.path());
  const auto file = EncipheredFile(source, "abcd", core::CipherVariant::Neu);
  const fs::path data_dir = Sub("d");
  WriteAll(data_dir / "G.TLK", file);
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery(QueryOk("abcd"));
  OpenDataFile(state, ui, data_dir / "G.TLK");
  WriteShutdownBackup(state);
  // Written into the data directory, as Save writes the file.
  EXPECT_EQ(ReadAll(data_dir / "Sicherung.DAT"), file);
  EXPECT_FALSE(fs::exists(dir_ / "Sicherung.DAT"));
}

TEST_F(DataFileCommands, TheShutdownBackupOfDataShownEncipheredKeepsTheirBytes) {
  const AppState source = MakeState(dir_.path());
  const auto file = EncipheredFile(source, "abcd", core::CipherVariant::Neu);
  WriteAll(dir_ / "G.TLK", file);
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectPasswordQuery({false, "", core::CipherVariant::Neu});
  OpenDataFile(state, ui, dir_ / "G.TLK");
  WriteShutdownBackup(state);
  EXPECT_EQ(ReadAll(dir_ / "Sicherung.DAT"), file);
}

TEST_F(DataFileCommands, TheShutdownBackupAfterNewWithEncryptionCarriesItsPassword) {
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  state.Data.EnteredPassword = "abcd";
  state.General.EncryptData = 1;
  ScriptedInteraction ui;
  NewData(state, ui);
  state.Data.Table.At(0).Surname = "Neu";
  WriteShutdownBackup(state);
  const auto backup = ReadAll(dir_ / "Sicherung.DAT");
  EXPECT_EQ(backup, EncipheredFile(state, "abcd", core::CipherVariant::Neu));
  EXPECT_NE(TableBytes(backup), TableBytes(state.Data));
}

TEST_F(DataFileCommands, LeaveAnsweredNoKeepsTheProgramRunning) {
  AppState state = MakeState(dir_.path());
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::No);
  EXPECT_FALSE(LeaveProgram(state, ui));
  EXPECT_FALSE(fs::exists(dir_ / "Sicherung.DAT"));
  EXPECT_TRUE(state.Data.Modified);
}

TEST_F(DataFileCommands, LeaveWithoutChangesWritesOnlyTheBackup) {
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes);
  EXPECT_TRUE(LeaveProgram(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "Sicherung.DAT"), state.Data.Block());
}

TEST_F(DataFileCommands, LeaveWithChangesSavesTitledDataWhenAsked) {
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = "A.TLK";
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, kAskSaveOnLeave, Answer::Yes)
      .ExpectSavingWindow();
  EXPECT_TRUE(LeaveProgram(state, ui));
  EXPECT_EQ(ReadAll(dir_ / "A.TLK"), state.Data.Block());
  EXPECT_EQ(ReadAll(dir_ / "Sicherung.DAT"), state.Data.Block());
}

TEST_F(DataFileCommands, LeaveWithChangesAnsweredNoWritesTheBackupOfTheChangedData) {
  AppState state = MakeState(dir_.path());
  state.Data.CurrentFileName = "A.TLK";
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, kAskSaveOnLeave, Answer::No);
  EXPECT_TRUE(LeaveProgram(state, ui));
  EXPECT_FALSE(fs::exists(dir_ / "A.TLK"));
  EXPECT_EQ(ReadAll(dir_ / "Sicherung.DAT"), state.Data.Block());
}

TEST_F(DataFileCommands, LeaveWithUntitledChangesRunsSaveAsAndStaysOpenOnCancel) {
  AppState state = MakeState(dir_.path());
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, kAskSaveOnLeave, Answer::Yes)
      .ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(LeaveProgram(state, ui));
  EXPECT_EQ(ui.DialogRequests()[0].InitialName, "VORLAGE.TLK") << "Save As, pre-filled";
  EXPECT_EQ(ReadAll(dir_ / "Sicherung.DAT"), state.Data.Block());
  EXPECT_TRUE(state.Data.Modified);
}

TEST_F(DataFileCommands, LeaveReportsAFailedSaveAndStaysOpen) {
  AppState state = MakeState(dir_.path());
  fs::create_directory(dir_ / "ORDNER.TLK");
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Warning, kAskSaveOnLeave, Answer::Yes)
      .ExpectSaveDialog(dir_ / "ORDNER.TLK")
      .ExpectAsk(Icon::Information, kAskOverwrite, Answer::Yes)
      .ExpectAsk(Icon::Error, "ORDNER.TLK\x93 konnte nicht gespeichert werden");
  EXPECT_FALSE(LeaveProgram(state, ui));
  EXPECT_TRUE(fs::exists(dir_ / "Sicherung.DAT"));
}

TEST_F(DataFileCommands, LeaveReportsABackupThatCannotBeWrittenAndCloses) {
  AppState state = MakeState(dir_.path());
  state.Data.Modified = false;
  fs::create_directory(dir_ / "Sicherung.DAT");
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Confirmation, kAskLeave, Answer::Yes)
      .ExpectAsk(Icon::Error, "Sicherung.DAT\x93 konnte nicht gespeichert werden");
  EXPECT_TRUE(LeaveProgram(state, ui));
}

}  // namespace
}  // namespace tolka::app
