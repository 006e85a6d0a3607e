// "Als PDF speichern ..." with every write step of the PDF file failing in
// turn: an older PDF of the same name stays, and the message box says why.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/file_io.h"
#include "print/print_document.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/write_fault_walk.h"
#include "ui/print_output.h"

namespace tolka::ui {
namespace {

using test::ScriptedInteraction;
using test::TempDir;
using test::WriteFaultRun;

print::PrintDocument OnePage() {
  print::PrintDocument document;
  document.Title = "Bericht";
  print::PrintSheet sheet;
  sheet.Draw = [](print::PrintCanvas&) {};
  document.Sheets.push_back(sheet);
  return document;
}

TEST(PdfWriteFaults, SaveAsPdf) {
  const print::PrintDocument document = OnePage();
  for (const bool existed : {true, false}) {
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<ScriptedInteraction> ui;
    bool saved = false;
    test::WalkWriteFaults({
        .Setup =
            [&](const test::FailingStep& step) {
              dir = std::make_unique<TempDir>();
              ui = std::make_unique<ScriptedInteraction>();
              if (existed) test::WriteAll(*dir / "Bericht.pdf", {'%', 'P', 'D', 'F'});
              ui->ExpectSaveDialog(*dir / "Bericht.pdf");
              if (!step.IsClean()) ui->ExpectAsk(core::Icon::Error, "Bericht.pdf\x93");
              return dir->path();
            },
        .Action =
            [&] {
              PrintOutputs outputs;
              outputs.Ui = ui.get();
              outputs.PdfDirectory = dir->path();
              saved = SaveAsPdf(outputs, document);
            },
        .Check =
            [&](const WriteFaultRun& run) {
              EXPECT_FALSE(saved) << run.Describe();
              test::ExpectReported(run, *ui);
            },
    });
  }
}

}  // namespace
}  // namespace tolka::ui
