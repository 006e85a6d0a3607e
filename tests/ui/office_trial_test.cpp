// The program as a school office tries it: single clicks on check boxes,
// typing followed at once by a check button, Escape in the save questions,
// a write-protected data file and an archive folder, enciphered data and the
// password definition left with Escape. Keys and clicks go through QTest to
// the real widgets; the save questions are real message boxes.
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <filesystem>

#include "app/data_file_commands.h"
#include "core/file_io.h"
#include "ui/editor_fixture.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using app::EditorPage;
using core::Answer;
using core::Icon;

// One click ticks an empty box and the next unticks it; what the box shows
// is what is stored.
TEST_F(EditorTest, OneClickTicksAndTheNextUnticks) {
  for (const char* name :
       {"CourseExam0", "CourseAdvanced1", "Credited2_0", "Competence3", "RepeatsIntroPhase",
        "SpecialWorkCounts", "ProjectCoursesHoldSpecialWork"}) {
    TriStateBox* box = Check(name);
    for (int click = 0; click < 3; ++click) {
      const Qt::CheckState before = box->checkState();
      QTest::mouseClick(box, Qt::LeftButton);
      EXPECT_EQ(box->checkState(), before == Qt::Checked ? Qt::Unchecked : Qt::Checked) << name;
    }
    if (box->checkState() != Qt::Checked) QTest::mouseClick(box, Qt::LeftButton);
  }
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).CourseChoices[0].ExamSubject, 1);
  EXPECT_EQ(Rec(0).CourseResults[2].Credited[0], 1);
  EXPECT_EQ(Rec(0).SpecialWorkCounts, 1);
  QTest::mouseClick(Check("CourseExam0"), Qt::LeftButton);
  EXPECT_EQ(Check("CourseExam0")->checkState(), Qt::Unchecked);
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).CourseChoices[0].ExamSubject, 0);
}

// A tutor types points and presses "? Kurswahl" at once: the check sees the
// points and they stay in the record.
TEST_F(EditorTest, TypingIsKeptWhenACheckButtonIsPressed) {
  ClickPage(EditorPage::Results);
  FieldEdit* points = Edit("Points0_0");
  Retype(points, QStringLiteral("12"));
  // The check's report or message is modal: close whatever comes.
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, []() {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(0);
  });
  closer.start();
  QTest::mouseClick(Command(CommandButton::CheckCourseChoice), Qt::LeftButton);
  QTest::qWait(20);
  EXPECT_EQ(Rec(0).CourseResults[0].SemesterPoints[0], "12");
  EXPECT_EQ(points->text(), QStringLiteral("12"));
  EXPECT_TRUE(state_.Data.Modified);

  // So do the record commands ("Sortieren (Namen)").
  ClickPage(EditorPage::PersonalData);
  Retype(Edit("Surname"), QStringLiteral("Zander"));
  QTest::mouseClick(Command(CommandButton::SortByName), Qt::LeftButton);
  EXPECT_EQ(Rec(0).Surname, "Zander");
}

// While the data are shown enciphered a check would compute on cipher bytes
// and write marks into them: refused with the record commands' warning.
TEST_F(EditorTest, RulesCommandsAreRefusedOnEncipheredData) {
  state_.Data.ShownEnciphered = true;
  state_.Data.Table.At(0).Surname = "\x8f\x13garbage";
  window_->ShowState();
  const auto before = state_.Data.Block();
  ui_.ExpectAsk(Icon::Warning, "Die Daten werden verschl");
  QTest::mouseClick(Command(CommandButton::CheckCourseChoice), Qt::LeftButton);
  ui_.ExpectAsk(Icon::Warning, "Die Daten werden verschl");
  MenuAction("Leistungskurse1")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(state_.Data.Block(), before);
  EXPECT_FALSE(state_.Data.Modified);
}

// A data file its owner made read-only is never written over: Ctrl+S asks
// for another name.
TEST_F(EditorTest, AWriteProtectedDataFileIsNotOverwritten) {
  const fs::path file = dir_ / "JG2024.TLK";
  {
    app::AppState other;
    test::ScriptedInteraction quiet;
    app::StartUp(other, quiet, dir_.path());
    quiet.ExpectSaveDialog(file).ExpectSavingWindow();
    ASSERT_TRUE(app::SaveDataAs(other, quiet));
  }
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto bytes = core::ReadFileBytes(file);
  ui_.ExpectAsk(Icon::Information, Cp("ist schreibgeschützt (oder liegt in einem"));
  window_->OpenRecentFile(QString::fromStdString(file.string()));
  EXPECT_TRUE(window_->EncipheredField().contains(QStringLiteral("schreibgeschützt")));

  Retype(Edit("Surname"), QStringLiteral("Neu"));
  ui_.ExpectAsk(Icon::Information, Cp("ist schreibgeschützt und wird nicht überschrieben"))
      .ExpectSaveDialog(std::nullopt);
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(Edit("Surname"), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(ui_.Done());
  EXPECT_EQ(core::ReadFileBytes(file), bytes);
  EXPECT_TRUE(window_->ModifiedBoxShown());
  fs::permissions(file, fs::perms::owner_all);
}

// A year group in a read-only archive folder opens after the warning about
// the missing ".BAK" copy.
TEST_F(EditorTest, AFileInAReadOnlyFolderOpensAfterAWarning) {
  const fs::path archive = dir_ / "archiv";
  fs::create_directory(archive);
  {
    app::AppState other;
    test::ScriptedInteraction quiet;
    app::StartUp(other, quiet, dir_.path());
    other.Data.Table.At(0).Surname = "Archiv";
    quiet.ExpectSaveDialog(archive / "JG2020.TLK").ExpectSavingWindow();
    ASSERT_TRUE(app::SaveDataAs(other, quiet));
  }
  fs::permissions(archive, fs::perms::owner_read | fs::perms::owner_exec);
  ui_.ExpectAsk(Icon::Warning, "konnte nicht angelegt werden")
      .ExpectAsk(Icon::Information, Cp("ist schreibgeschützt"));
  window_->OpenRecentFile(QString::fromStdString((archive / "JG2020.TLK").string()));
  EXPECT_TRUE(ui_.Done());
  EXPECT_TRUE(List()->item(0)->text().startsWith(QStringLiteral("Archiv")));
  fs::permissions(archive, fs::perms::owner_all);
}

// Leaving the password definition ends Save As: nothing written.
TEST_F(EditorTest, LeavingThePasswordDefinitionWritesNothing) {
  state_.General.EncryptData = 1;
  ui_.ExpectSaveDialog(dir_ / "NEU.TLK").ExpectPasswordDefinitionCancelled();
  MenuAction("FileSaveAs")->trigger();
  EXPECT_TRUE(ui_.Done());
  EXPECT_FALSE(fs::exists(dir_ / "NEU.TLK"));
  EXPECT_TRUE(state_.Data.IsUntitled());
}

// The save questions are real message boxes: Escape and their close box
// cancel New, Open and leaving; only "Nein" discards.
class SaveQuestionTest : public ::testing::Test {
 protected:
  SaveQuestionTest() {
    window_ = std::make_unique<MainWindow>(state_);  // real dialogs
    app::StartUp(state_, window_->Interaction(), dir_.path());
    window_->ShowState();
    window_->show();
    state_.Data.Table.At(0).Surname = "Ungesichert";
    state_.Data.Modified = true;
    window_->ShowState();
  }

  // Answers the next message box whose text contains `part` with `how`
  // and every later confirmation of leaving with Yes.
  void Answer(const QString& part, const std::function<void(QMessageBox*)>& how) {
    test::WhenModal<QMessageBox>([part, how](QMessageBox* box) {
      EXPECT_TRUE(box->text().contains(part)) << box->text().toStdString();
      how(box);
    });
  }

  static void Escape(QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }
  static void Close(QMessageBox* box) { box->close(); }

  test::TempDir dir_;
  app::AppState state_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(SaveQuestionTest, EscapeOrTheCloseBoxCancelNewAndOpen) {
  for (const auto& how : {&SaveQuestionTest::Escape, &SaveQuestionTest::Close}) {
    Answer(QStringLiteral("jetzt erst sichern?"), how);
    window_->FileNew();
    EXPECT_EQ(state_.Data.Table.At(0).Surname, "Ungesichert");
    EXPECT_TRUE(state_.Data.Modified);

    Answer(QStringLiteral("jetzt erst sichern/speichern?"), how);
    window_->FileOpen();  // no open dialog follows: the command ended
    EXPECT_EQ(state_.Data.Table.At(0).Surname, "Ungesichert");
  }
  // "Nein" discards, as it says.
  Answer(QStringLiteral("jetzt erst sichern?"),
         [](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
  window_->FileNew();
  EXPECT_EQ(state_.Data.Table.At(0).Surname, "   - frei -");
  EXPECT_FALSE(state_.Data.Modified);
}

TEST_F(SaveQuestionTest, EscapeInTheLeavingQuestionKeepsTheProgramOpen) {
  // First the confirmation (Yes), then the save question (Escape).
  test::WhenModal<QMessageBox>([this](QMessageBox* box) {
    box->button(QMessageBox::Yes)->click();
    Answer(QStringLiteral("Sollen die Änderungen gespeichert werden?"), &SaveQuestionTest::Escape);
  });
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(state_.Data.Modified);
  EXPECT_FALSE(fs::exists(dir_ / "Sicherung.DAT"));
}

}  // namespace
}  // namespace tolka::ui

namespace tolka::ui {
namespace {

// "&Datei" lists the data files last opened or saved, newest first, at most
// four; a click opens one as "Öffnen..." does.
TEST_F(EditorTest, TheFileMenuListsTheLastFourDataFiles) {
  QSettings().remove(QStringLiteral("recentFiles"));
  for (const char* name : {"A.TLK", "B.TLK", "C.TLK", "D.TLK", "E.TLK"}) {
    ui_.ExpectSaveDialog(dir_ / name).ExpectSavingWindow();
    MenuAction("FileSaveAs")->trigger();
  }
  const QStringList files = window_->RecentFiles();
  ASSERT_EQ(files.size(), 4);
  EXPECT_TRUE(files.front().endsWith(QStringLiteral("E.TLK")));
  EXPECT_TRUE(files.back().endsWith(QStringLiteral("B.TLK")));

  auto* file_menu = window_->findChild<QAction*>(QStringLiteral("FileNew"))->parent();
  QMetaObject::invokeMethod(file_menu, "aboutToShow");
  QAction* first = MenuAction("RecentFile1");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text(), QStringLiteral("&1 E.TLK"));
  state_.Data.Table.At(0).Surname = "Anders";
  state_.Data.Modified = false;
  MenuAction("RecentFile3")->trigger();  // C.TLK
  EXPECT_EQ(state_.Data.CurrentFileName, "C.TLK");
  EXPECT_EQ(window_->RecentFiles().front(), files[2]);
}

}  // namespace
}  // namespace tolka::ui
