#include "exchange/exchange_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_file_image.h"
#include "core/io_error.h"
#include "exchange/all_data_export.h"
#include "exchange/import_config.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/subject_catalogue.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace tolka::exchange {
namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Icon;
using ImportAnswer = core::Interaction::ImportAnswer;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WriteAll;

std::string Text(const fs::path& path) {
  const auto bytes = ReadAll(path);
  return std::string(bytes.begin(), bytes.end());
}

void WriteText(const fs::path& path, const std::string& text) {
  WriteAll(path, std::vector<uint8_t>(text.begin(), text.end()));
}

class ExchangeCommands : public ::testing::Test {
 protected:
  ExchangeCommands() {
    fs::create_directory(program_);
    fs::create_directory(data_);
    state_.Dirs = core::Directories::AllAt(program_);
    state_.Dirs.Data = data_;
    state_.Catalogue = settings::BuiltInSubjectCatalogue();
    state_.Exam = settings::BuiltInExamSettings();
    state_.General = settings::DefaultGeneralSettings();
    state_.Data.Table.Initialise(settings::IntroPhaseDefaultsOf(state_.Catalogue));
    state_.Data.Table.At(0).Surname = "Adler";
    state_.Data.Table.At(0).GivenNames = "Anna";
  }

  core::DataFileBlock TableBytes() const {
    core::DataFileBlock block = core::EmptyBlock();
    core::EncodeTable(state_.Data.Table, block);
    return block;
  }

  TempDir dir_;
  fs::path program_ = dir_ / "programm";
  fs::path data_ = dir_ / "daten";
  app::AppState state_;
};

TEST_F(ExchangeCommands, ExportAllWritesANewFileAndShowsTheSavingWindow) {
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "alle.txt").ExpectSavingWindow();
  EXPECT_TRUE(ExportAllData(state_, ui));
  EXPECT_EQ(Text(dir_ / "alle.txt"), AllDataLine(state_.Data.Table.At(0)));
  const core::FileDialogRequest& request = ui.DialogRequests().at(0);
  EXPECT_EQ(request.Filter, "Text-Datei (*.TXT)|*.TXT");
  EXPECT_EQ(request.DefaultExtension, "TXT");
  EXPECT_EQ(request.InitialDirectory, program_);
  EXPECT_FALSE(state_.Data.Modified);
}

TEST_F(ExchangeCommands, ExportToAnExistingFileAsksWhetherToAppend) {
  WriteText(dir_ / "alle.txt", "alt");
  ScriptedInteraction no;
  no.ExpectSaveDialog(dir_ / "alle.txt")
      .ExpectAsk(Icon::Information,
                 "Sollen die aktuellen Daten an die ausgewählte Datei angehängt werden?",
                 Answer::No);
  EXPECT_FALSE(ExportAllData(state_, no));
  EXPECT_EQ(Text(dir_ / "alle.txt"), "alt");

  ScriptedInteraction yes;
  yes.ExpectSaveDialog(dir_ / "alle.txt")
      .ExpectAsk(Icon::Information, "angehängt werden?", Answer::Yes)
      .ExpectSavingWindow();
  EXPECT_TRUE(ExportAllData(state_, yes));
  EXPECT_EQ(Text(dir_ / "alle.txt"), "alt\r\n" + AllDataLine(state_.Data.Table.At(0)));
}

TEST_F(ExchangeCommands, TheOpenDataFileIsNoExportTarget) {
  const fs::path data_file = data_ / "JG.TLK";
  WriteText(data_file, "Tabelle");
  state_.Data.CurrentFileName = "JG.TLK";
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(data_file).ExpectAsk(Icon::Error, "Daten-Datei, aus der exportiert wird");
  EXPECT_FALSE(ExportAllData(state_, ui));
  EXPECT_EQ(Text(data_file), "Tabelle");
}

TEST_F(ExchangeCommands, CancelledExportWritesNothing) {
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(std::nullopt);
  EXPECT_FALSE(ExportExamResults(state_, ui));
  EXPECT_TRUE(fs::is_empty(program_));
}

TEST_F(ExchangeCommands, ExamResultsExportWritesThirtyFiveLines) {
  ScriptedInteraction ui;
  ui.ExpectSaveDialog(dir_ / "ergebnis.txt").ExpectSavingWindow();
  EXPECT_TRUE(ExportExamResults(state_, ui));
  const std::string text = Text(dir_ / "ergebnis.txt");
  size_t lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 35u);
  EXPECT_EQ(text.substr(0, 16), "Adler, Anna;m;fe");
}

TEST_F(ExchangeCommands, EncipheredDataAreNeitherExportedNorImported) {
  state_.Data.ShownEnciphered = true;
  ScriptedInteraction ui;
  ui.ExpectAsk(Icon::Warning, kEncipheredRefused)
      .ExpectAsk(Icon::Warning, kEncipheredRefused)
      .ExpectAsk(Icon::Warning, kEncipheredRefused);
  EXPECT_FALSE(ExportAllData(state_, ui));
  EXPECT_FALSE(ExportExamResults(state_, ui));
  EXPECT_FALSE(ImportPersonData(state_, ui, 0));
}

TEST_F(ExchangeCommands, ImportAsksFirstAndFillsFromTheCurrentStudent) {
  WriteText(dir_ / "klasse.csv", "Müller;Jürgen\r\nÖzdemir;Ayla\r\n");
  ScriptedInteraction no;
  no.ExpectOpenDialog(dir_ / "klasse.csv").ExpectImportQuestion(ImportAnswer::No);
  EXPECT_FALSE(ImportPersonData(state_, no, 3));
  ScriptedInteraction cancel;
  cancel.ExpectOpenDialog(dir_ / "klasse.csv").ExpectImportQuestion(ImportAnswer::Cancel);
  EXPECT_FALSE(ImportPersonData(state_, cancel, 3));
  EXPECT_EQ(state_.Data.Table.At(3).Surname, "   - frei -");
  EXPECT_EQ(no.Log().at(1), std::string("import:") + kAskImport);

  ScriptedInteraction yes;
  yes.ExpectOpenDialog(dir_ / "klasse.csv").ExpectImportQuestion(ImportAnswer::Yes);
  EXPECT_TRUE(ImportPersonData(state_, yes, 3));
  EXPECT_EQ(state_.Data.Table.At(3).Surname, "Müller");
  EXPECT_EQ(state_.Data.Table.At(4).Surname, "Özdemir");
  EXPECT_TRUE(state_.Data.Modified);
  const core::FileDialogRequest& request = yes.DialogRequests().at(0);
  EXPECT_EQ(request.Filter, "Textdatei (*.TXT)|*.TXT|Trennzeichengetrennter Text (*.CSV)|*.CSV");
  EXPECT_EQ(request.DefaultExtension, "TXT");
  EXPECT_EQ(request.InitialDirectory, data_);
}

TEST_F(ExchangeCommands, ColumnWindowFromTheQuestionThenTheNewConfiguration) {
  WriteText(dir_ / "klasse.csv", "Jürgen;Müller\r\n");
  ScriptedInteraction ui;
  ui.ExpectOpenDialog(dir_ / "klasse.csv")
      .ExpectImportQuestion(ImportAnswer::EditColumns)
      .ExpectImportConfigWindow([](const fs::path& program) {
        ImportConfig config;  // given names first, then the surname
        config.Entries[1].FieldCode = kGivenNamesCode;
        config.Entries[2].FieldCode = kSurnameCode;
        SaveImportConfig(program, config);
      })
      .ExpectImportQuestion(ImportAnswer::Yes);
  EXPECT_TRUE(ImportPersonData(state_, ui, 1));
  EXPECT_EQ(state_.Data.Table.At(1).Surname, "Müller");
  EXPECT_EQ(state_.Data.Table.At(1).GivenNames, "Jürgen");
  EXPECT_TRUE(fs::exists(program_ / "IMPORT.CFG"));
}

TEST_F(ExchangeCommands, RefusedImportShowsTheLineAndChangesNothing) {
  WriteText(dir_ / "klasse.csv", "A;a;1.1.2007\r\nB;b;30.02.2007\r\n");
  const core::DataFileBlock before = TableBytes();
  ScriptedInteraction ui;
  ui.ExpectOpenDialog(dir_ / "klasse.csv")
      .ExpectImportQuestion(ImportAnswer::Yes)
      .ExpectAsk(Icon::Error, std::string(kImportRefusedPrefix) + "Zeile 2, Spalte 3:");
  EXPECT_FALSE(ImportPersonData(state_, ui, 0));
  EXPECT_TRUE(TableBytes() == before);
  EXPECT_FALSE(state_.Data.Modified);
}

TEST_F(ExchangeCommands, ConfigurationThatFeedsNothingIsRefused) {
  WriteAll(program_ / "IMPORT.CFG", std::vector<uint8_t>(126, 0));
  WriteText(dir_ / "klasse.csv", "A\r\n");
  ScriptedInteraction ui;
  ui.ExpectOpenDialog(dir_ / "klasse.csv")
      .ExpectImportQuestion(ImportAnswer::Yes)
      .ExpectAsk(Icon::Error, "IMPORT.CFG");
  EXPECT_FALSE(ImportPersonData(state_, ui, 0));
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "Adler");
}

TEST_F(ExchangeCommands, CutJoinedTextsAreReported) {
  ImportConfig config;
  config.Entries[1].FieldCode = kSurnameCode;
  config.Entries[1].JoinText = "++";
  SaveImportConfig(program_, config);
  WriteText(dir_ / "n.csv", std::string(38, 'x') + "\r\n");
  ScriptedInteraction ui;
  ui.ExpectOpenDialog(dir_ / "n.csv")
      .ExpectImportQuestion(ImportAnswer::Yes)
      .ExpectAsk(Icon::Information, "gekürzt:\rZeile 1.");
  EXPECT_TRUE(ImportPersonData(state_, ui, 0));
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "Adler" + std::string(35, 'x'));
}

TEST_F(ExchangeCommands, UnreadableInputEndsWithIoErrorAndChangesNothing) {
  ScriptedInteraction ui;
  ui.ExpectOpenDialog(dir_ / "fehlt.csv").ExpectImportQuestion(ImportAnswer::Yes);
  EXPECT_THROW(ImportPersonData(state_, ui, 0), IoError);
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "Adler");
  // A damaged configuration ends the command before any slot changes.
  WriteAll(program_ / "IMPORT.CFG", {1, 0, 0});
  WriteText(dir_ / "klasse.csv", "B\r\n");
  ScriptedInteraction damaged;
  damaged.ExpectOpenDialog(dir_ / "klasse.csv").ExpectImportQuestion(ImportAnswer::Yes);
  EXPECT_THROW(ImportPersonData(state_, damaged, 0), IoError);
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "Adler");
}

}  // namespace
}  // namespace tolka::exchange
