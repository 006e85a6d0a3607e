// The files of printing (DRKEINST.DAT with its backup, FHRINFO.DAT, the
// control-table template), each save with every write step failing in turn.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/file_io.h"
#include "print/fhr_info.h"
#include "print/format_table.h"
#include "print/print_settings.h"
#include "print/print_settings_window.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"

namespace tolka::print {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::ScriptedInteraction;
using test::TempDir;
using test::WalkWriteFaults;
using test::WriteAll;
using test::WriteFaultRun;

PrintSettings Settings(int32_t first_margin) {
  PrintSettings settings;
  ResetPrintSettings(settings);
  settings.Margins[0] = first_margin;
  settings.carried.fill(0);
  const auto bytes = EncodePrintSettings(settings);
  return DecodePrintSettings(bytes);
}

// "Einstellungen übernehmen": neither the settings in force nor the window's
// copy change when DRKEINST.DAT cannot be written.
TEST(PrintWriteFaults, ApplyingThePrintSettings) {
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<ScriptedInteraction> ui;
  core::Directories dirs;
  PrintSettings in_force;
  PrintSettings work;
  const PrintSettings old = Settings(11);
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep& step) {
            dir = std::make_unique<TempDir>();
            ui = std::make_unique<ScriptedInteraction>();
            dirs = core::Directories::AllAt(dir->path());
            WriteAll(*dir / kPrintSettingsFileName, EncodePrintSettings(old));
            in_force = old;
            work = old;
            if (step.IsClean()) ui->ExpectProgress();
            return dir->path();
          },
      .Action =
          [&] {
            PrintSettingsView view = ViewOfPrintSettings(work);
            view.Margins[0] = "22";
            ApplyPrintSettings(in_force, work, view, dirs, true, *ui);
          },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
            EXPECT_EQ(EncodePrintSettings(in_force), EncodePrintSettings(old));
            EXPECT_EQ(EncodePrintSettings(work), EncodePrintSettings(old));
          },
  });
}

// Loading the older 192-byte form replaces it by the 288-byte record, then
// writes DRKEINST.BAK: either failure is reported, the values read are in
// force, and a file not written stays as it was.
TEST(PrintWriteFaults, LoadingConvertsTheOldFormAndWritesTheBackup) {
  std::unique_ptr<TempDir> dir;
  core::Directories dirs;
  PrintSettings loaded;
  std::vector<uint8_t> old_form = EncodePrintSettings(Settings(33));
  old_form.resize(print_layout::kOldRecordSize);
  const auto backup_failed = [](const WriteFaultRun& run) {
    return run.Failed.Target.filename() == kPrintSettingsBackupName;
  };
  const size_t steps = WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            dir = std::make_unique<TempDir>();
            dirs = core::Directories::AllAt(dir->path());
            WriteAll(*dir / kPrintSettingsFileName, old_form);
            WriteAll(*dir / kPrintSettingsBackupName, std::vector<uint8_t>(288, 0x07));
            loaded = Settings(0);
            return dir->path();
          },
      .Action = [&] { LoadPrintSettings(loaded, dirs, true); },
      .Check =
          [&](const WriteFaultRun& run) {
            EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
            EXPECT_EQ(loaded.Margins[0], 33);
            if (backup_failed(run)) {
              EXPECT_EQ(ReadAll(*dir / kPrintSettingsFileName).size(), print_layout::kRecordSize);
            }
          },
      .MayChange =
          [&](const WriteFaultRun& run, const fs::path& file) {
            return backup_failed(run) && file.filename() == kPrintSettingsFileName;
          },
  });
  EXPECT_EQ(steps, 10u);
}

TEST(PrintWriteFaults, FhrInfo) {
  std::unique_ptr<TempDir> dir;
  core::Directories dirs;
  FhrInfo info;
  info.SchoolType = 2;
  info.SchoolSubject = "Wirtschaft";
  for (const bool existed : {true, false}) {
    WalkWriteFaults({
        .Setup =
            [&](const test::FailingStep&) {
              dir = std::make_unique<TempDir>();
              dirs = core::Directories::AllAt(dir->path());
              if (existed) WriteAll(*dir / kFhrInfoFileName, std::vector<uint8_t>(128, 0x01));
              return dir->path();
            },
        .Action = [&] { SaveFhrInfo(info, dirs, true); },
        .Check =
            [&](const WriteFaultRun& run) {
              EXPECT_EQ(run.Thrown, run.ExpectedMessage()) << run.Describe();
            },
    });
  }
}

// A missing control table is written as a template into the data folder; a
// template that cannot be written ends the command with the message and
// leaves no file behind.
TEST(PrintWriteFaults, TheControlTableTemplate) {
  std::unique_ptr<TempDir> dir;
  core::Directories dirs;
  WalkWriteFaults({
      .Setup =
          [&](const test::FailingStep&) {
            dir = std::make_unique<TempDir>();
            fs::create_directory(*dir / "daten");
            dirs = core::Directories::AllAt(dir->path());
            dirs.Data = *dir / "daten";
            return dir->path();
          },
      .Action = [&] { LoadFormatTable("1TLK_ABS.FST", dirs); },
      .Check =
          [&](const WriteFaultRun& run) {
            ASSERT_TRUE(run.Thrown) << run.Describe();
            EXPECT_EQ(*run.Thrown, core::PathText(*dir / "daten" / "1TLK_ABS.FST") + ": " +
                                       run.ExpectedMessage());
          },
  });
}

}  // namespace
}  // namespace tolka::print
