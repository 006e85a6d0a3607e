// The record editor in the main window: the pages and their controls, the
// transfers (list click, page switch, "Daten übernehmen", the file
// commands), "Daten verwerfen", the course-change warnings, the command
// buttons and the read-only editor while the data are shown enciphered.
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusTipEvent>

#include "app/data_file_commands.h"
#include "app/data_session.h"
#include "core/data_file_image.h"
#include "ui/editor/course_choice_page.h"
#include "ui/editor/languages_page.h"
#include "ui/editor/results_page.h"
#include "ui/editor_fixture.h"

namespace tolka::ui {
namespace {

namespace fs = std::filesystem;
using app::EditorPage;
using core::Icon;

QString Text(const QComboBox* box) { return box->currentText(); }

core::StudentTable TableOfFile(const fs::path& path) {
  return core::DecodeTable(app::ReadDataFileBlock(path));
}

// ---------------------------------------------------------------- pages

TEST_F(EditorTest, EightPagesInTheirOrder) {
  QStringList captions;
  for (int p = 0; p < 8; ++p) {
    captions << W<QAbstractButton>(("PageButton" + std::to_string(p)).c_str())->text();
  }
  EXPECT_EQ(captions,
            (QStringList{
                QStringLiteral("Personendaten"), QStringLiteral("Fremdsprachen"),
                QStringLiteral("Einführungsphase"), QStringLiteral("Kurswahl und Prüfungen"),
                QStringLiteral("Bewertung und Auswahl"), QStringLiteral("Besondere Lernleistung"),
                QStringLiteral("Bemerkungen"), QStringLiteral("Projektkurse")}));
  EXPECT_EQ(Editor()->ActivePage(), EditorPage::PersonalData);
  // The window keeps its size with the editor in it.
  EXPECT_EQ(window_->size(), QSize(755, 563));
}

// Every label of the record's fields is on its page.
TEST_F(EditorTest, FieldLabelsAreOnTheirPages) {
  const auto labels_of = [this](EditorPage page) {
    QStringList texts;
    for (const QLabel* label : Editor()->Page(page)->findChildren<QLabel*>()) {
      texts << label->text();
    }
    for (const QAbstractButton* b : Editor()->Page(page)->findChildren<QAbstractButton*>()) {
      texts << b->text();
    }
    return texts;
  };
  const auto expect_all = [&](EditorPage page, const QStringList& wanted) {
    const QStringList texts = labels_of(page);
    for (const QString& w : wanted) EXPECT_TRUE(texts.contains(w)) << w.toStdString();
  };
  expect_all(
      EditorPage::PersonalData,
      {QStringLiteral("Kenn-Nummer:"), QStringLiteral("Anrede"), QStringLiteral("Frau/Fräulein"),
       QStringLiteral("Herr"), QStringLiteral("Name:"), QStringLiteral("Vorname(n):"),
       QStringLiteral("Geburtsdatum:"), QStringLiteral("Geburtsort:"),
       QStringLiteral("wohnhaft in:"), QStringLiteral("Klasse/Kurs:"), QStringLiteral("TutorIn:"),
       QStringLiteral("gewählter Religionsunterricht:")});
  expect_all(EditorPage::ForeignLanguages,
             {QStringLiteral(" 1."), QStringLiteral(" 2."), QStringLiteral(" 3."),
              QStringLiteral("(4.)"), QStringLiteral("Fach:"), QStringLiteral("von Klasse:"),
              QStringLiteral("bis Klasse:"), QStringLiteral("Graecum"), QStringLiteral("Latinum"),
              QStringLiteral("Hebraicum"), QStringLiteral("kein"), QStringLiteral("kleines"),
              QStringLiteral("großes"), QStringLiteral("Unbedingt beachten!")});
  expect_all(EditorPage::IntroPhase,
             {QStringLiteral("Pflichtbereich"), QStringLiteral("Wahlpflichtbereich"),
              QStringLiteral("Wahlbereich"), QStringLiteral("Deutsch"),
              QStringLiteral("Kunst und Gestaltung"), QStringLiteral("Musik"),
              QStringLiteral("Geschichte"), QStringLiteral("Sozialkunde"),
              QStringLiteral("Geographie"), QStringLiteral("Mathematik"), QStringLiteral("Sport"),
              QStringLiteral("Wiederholung der Einführungsphase"),
              QStringLiteral("Einführungsphase übersprungen"),
              QStringLiteral("Notenausgleich gewährbar"), QStringLiteral("Notenausgleich gewährt"),
              QStringLiteral("versetzbar in Qualifikationsphase"),
              QStringLiteral("durch Beschluß d. Kl.-konf. versetzt")});
  expect_all(EditorPage::CourseChoice,
             {QStringLiteral("a:  LK1"), QStringLiteral("f:   GK4"), QStringLiteral("l:   ZGK"),
              QStringLiteral("z2:"), QStringLiteral("Fach"), QStringLiteral("Prüfung"),
              QStringLiteral("LK"), QStringLiteral("ZLK"), QStringLiteral("Projektkurse"),
              QStringLiteral("Besondere Lernleistung")});
  expect_all(EditorPage::Results,
             {QStringLiteral("Fach"), QStringLiteral("Sem.1"), QStringLiteral("Sem.2"),
              QStringLiteral("Sem.3"), QStringLiteral("Sem.4"), QStringLiteral("schr."),
              QStringLiteral("mdl."), QStringLiteral("Komp.")});
  expect_all(EditorPage::SpecialWork,
             {QStringLiteral("Thema:"), QStringLiteral("MentorIn:"),
              QStringLiteral("soll angerechnet werden"), QStringLiteral("Bewertung Dokumentation:"),
              QStringLiteral("Bewertung Kolloquium:"), QStringLiteral("Gesamtnote:")});
  expect_all(EditorPage::Remarks, {QStringLiteral("interne Bemerkungen:"),
                                   QStringLiteral("Bemerkungen auf dem Abiturzeugnis:")});
  expect_all(EditorPage::ProjectCourses,
             {QStringLiteral("Kursbezeichnung:"),
              QStringLiteral("mindestens 2 Kurse für \"Besondere Lernleistung\" enthalten")});

  const auto* note = W<QPlainTextEdit>("LanguageNote");
  EXPECT_TRUE(note->isReadOnly());
  EXPECT_EQ(note->toPlainText(),
            QStringLiteral("Eine 2. Fremdsprache - besonders wenn sie spätbeginnend ist - muß "
                           "für eine korrekte Datenanalyse immer an Position 2 stehen!\n"
                           "Vorher gewechselte Fremdsprachen können in den folgenden Positionen "
                           "aufgenommen werden!"));
}

// The boxes are drop-down lists of the item lists; the intro rows without a
// subject box and the second marks of the one-half-year subjects do not
// exist.
TEST_F(EditorTest, ChoiceBoxesAreDropDownListsOfTheItemLists) {
  for (const ChoiceBox* box : window_->findChildren<ChoiceBox*>()) {
    EXPECT_FALSE(box->isEditable()) << box->objectName().toStdString();
  }
  ChoiceBox* classes = Box("ClassName");
  ASSERT_EQ(classes->count(), 3);
  EXPECT_EQ(classes->itemText(1), QStringLiteral("12a"));
  EXPECT_EQ(Box("Tutor")->itemText(1), QStringLiteral("Frau Köhler"));
  EXPECT_EQ(Box("Religion")->count(), 4);
  EXPECT_EQ(Box("LanguageFromGrade0")->count(), 12);
  EXPECT_GE(Box("ProjectCourse0")->findText(QStringLiteral("Chor")), 0);
  EXPECT_GE(Box("IntroSubject13")->findText(QStringLiteral("Orchester")), 0);
  EXPECT_GE(Box("LanguageSubject1")->findText(QStringLiteral("Französisch")), 0);
  EXPECT_LT(Box("LanguageSubject1")->findText(QStringLiteral("Biologie")), 0);
  EXPECT_EQ(window_->findChild<ChoiceBox*>(QStringLiteral("IntroSubject0")), nullptr);
  EXPECT_EQ(window_->findChild<FieldEdit*>(QStringLiteral("IntroMark2_1")), nullptr);
  EXPECT_NE(window_->findChild<FieldEdit*>(QStringLiteral("IntroMark2_4")), nullptr);
  // Course rows 13 and 14 and the fourth project course are not shown.
  EXPECT_EQ(window_->findChild<ChoiceBox*>(QStringLiteral("CourseSubject13")), nullptr);
  EXPECT_EQ(window_->findChild<ChoiceBox*>(QStringLiteral("ProjectCourse3")), nullptr);
}

TEST_F(EditorTest, CourseLabelsAndResultCaptionsAreColouredByTheirRow) {
  auto& rec = Rec(0);
  rec.CourseChoices[2] = {"Englisch", 1, 0};
  rec.CourseChoices[3] = {"Biologie", 0, 1};
  rec.CourseResults[2].SubjectCopy = "Englisch";
  rec.CourseResults[3].SubjectCopy = "Biologie";
  window_->ShowState();
  const auto* courses = static_cast<CourseChoicePage*>(Editor()->Page(EditorPage::CourseChoice));
  const auto* results = static_cast<ResultsPage*>(Editor()->Page(EditorPage::Results));
  const auto colour = [](const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
  };
  EXPECT_EQ(colour(courses->RowLabel(0)), QColor(Qt::red));
  EXPECT_EQ(colour(courses->RowLabel(2)), QColor(Qt::blue));
  EXPECT_EQ(colour(courses->RowLabel(3)), QColor(0xFF, 0x00, 0xFF));
  EXPECT_EQ(colour(courses->RowLabel(4)), QColor(Qt::black));
  EXPECT_EQ(courses->RowLabel(1)->text(), QStringLiteral("b:  LK2"));
  EXPECT_EQ(results->RowCaption(2)->text(), QStringLiteral("Englisch"));
  EXPECT_EQ(colour(results->RowCaption(2)), QColor(Qt::blue));
  EXPECT_EQ(colour(results->RowCaption(3)), QColor(0xFF, 0x00, 0xFF));
  EXPECT_EQ(results->RowCaption(4)->text(), QStringLiteral("   - - -"));
  EXPECT_EQ(results->RowCaption(4)->toolTip(), QStringLiteral("Grundkurs e"));
}

// The focus runs left to right, top to bottom through every page.
TEST_F(EditorTest, TabOrderFollowsTheReadingOrder) {
  const auto chain = [](QWidget* first, int count) {
    QStringList names;
    QWidget* w = first;
    while (names.size() < count) {
      if ((w->focusPolicy() & Qt::TabFocus) != 0 && !w->objectName().isEmpty()) {
        names << w->objectName();
      }
      w = w->nextInFocusChain();
      if (w == first) break;
    }
    return names;
  };
  EXPECT_EQ(chain(Edit("StudentId"), 12),
            (QStringList{QStringLiteral("StudentId"), QStringLiteral("Salutation_0"),
                         QStringLiteral("Salutation_1"), QStringLiteral("Surname"),
                         QStringLiteral("GivenNames"), QStringLiteral("BirthDate"),
                         QStringLiteral("BirthPlace"), QStringLiteral("Residence"),
                         QStringLiteral("ClassName"), QStringLiteral("Tutor"),
                         QStringLiteral("Religion"), QStringLiteral("LanguageSubject0")}));
  EXPECT_EQ(chain(Box("LanguageSubject3"), 5),
            (QStringList{QStringLiteral("LanguageSubject3"), QStringLiteral("LanguageFromGrade3"),
                         QStringLiteral("LanguageToGrade3"), QStringLiteral("Graecum_0"),
                         QStringLiteral("Graecum_1")}));
  EXPECT_EQ(chain(Edit("IntroMark1_3"), 6),
            (QStringList{QStringLiteral("IntroMark1_3"), QStringLiteral("IntroMark2_3"),
                         QStringLiteral("IntroSubject4"), QStringLiteral("IntroMark1_4"),
                         QStringLiteral("IntroMark2_4"), QStringLiteral("IntroMark1_5")}));
  EXPECT_EQ(chain(Box("CourseSubject0"), 4),
            (QStringList{QStringLiteral("CourseSubject0"), QStringLiteral("CourseExam0"),
                         QStringLiteral("CourseAdvanced0"), QStringLiteral("CourseSubject1")}));
  // The points of a row, then the next row: one Tab per semester; the
  // credit boxes come after all points.
  EXPECT_EQ(chain(Edit("Points0_0"), 8),
            (QStringList{QStringLiteral("Points0_0"), QStringLiteral("Points0_1"),
                         QStringLiteral("Points0_2"), QStringLiteral("Points0_3"),
                         QStringLiteral("WrittenExam0"), QStringLiteral("OralExam0"),
                         QStringLiteral("Points1_0"), QStringLiteral("Points1_1")}));
  EXPECT_EQ(chain(Edit("OralExam12"), 3),
            (QStringList{QStringLiteral("OralExam12"), QStringLiteral("Credited0_0"),
                         QStringLiteral("Credited0_1")}));
  EXPECT_EQ(chain(W<QWidget>("SpecialWorkTopic"), 3),
            (QStringList{QStringLiteral("SpecialWorkTopic"), QStringLiteral("SpecialWorkMentor"),
                         QStringLiteral("SpecialWorkCounts")}));
}

// ---------------------------------------------------------------- transfers

TEST_F(EditorTest, TypedSurnameIsListedAfterClickingAnotherStudent) {
  Retype(Edit("Surname"), QStringLiteral("Weiß"));
  EXPECT_EQ(Rec(0).Surname, "   - frei -");  // a buffer until the transfer
  List()->setCurrentRow(1);
  EXPECT_EQ(Rec(0).Surname, Cp("Weiß"));
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("Weiß, "));
  EXPECT_EQ(window_->CurrentStudent(), 1);
  EXPECT_EQ(Editor()->Slot(), 1u);
  EXPECT_EQ(Edit("Surname")->text(), QStringLiteral("   - frei -"));
  EXPECT_TRUE(window_->ModifiedBoxShown());
}

TEST_F(EditorTest, PageSwitchTransfersAndDatenUebernehmenListsAtOnce) {
  Retype(Edit("GivenNames"), QStringLiteral("Jörg"));
  ClickPage(EditorPage::ForeignLanguages);
  EXPECT_EQ(Rec(0).GivenNames, Cp("Jörg"));
  EXPECT_TRUE(window_->ModifiedBoxShown());
  // The list is rebuilt by "Daten übernehmen", not by the page switch.
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("   - frei -"));
  ClickPage(EditorPage::PersonalData);
  Retype(Edit("Surname"), QStringLiteral("Keller"));
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).Surname, "Keller");
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("Keller, Jörg"));
}

TEST_F(EditorTest, DatenVerwerfenDropsTheTyping) {
  Retype(Edit("Surname"), QStringLiteral("Keller"));
  Pick(Box("ClassName"), QStringLiteral("12b"));
  Command(CommandButton::DiscardData)->click();
  EXPECT_EQ(Edit("Surname")->text(), QStringLiteral("   - frei -"));
  EXPECT_EQ(Text(Box("ClassName")), QStringLiteral("   - - -"));
  EXPECT_EQ(Rec(0).Surname, "   - frei -");
  EXPECT_FALSE(state_.Data.Modified);
  // Nothing typed since: the next transfer changes nothing.
  List()->setCurrentRow(1);
  EXPECT_FALSE(state_.Data.Modified);
}

// The buttons on "Kurswahl und Prüfungen" only turn the page.
TEST_F(EditorTest, PageButtonsOnlyTurnThePage) {
  Retype(Edit("Surname"), QStringLiteral("Keller"));
  Editor()->TurnToPage(EditorPage::CourseChoice);
  W<QPushButton>("Button18")->click();
  EXPECT_EQ(Editor()->ActivePage(), EditorPage::ProjectCourses);
  EXPECT_EQ(Rec(0).Surname, "   - frei -");
  EXPECT_EQ(Edit("Surname")->text(), QStringLiteral("Keller"));
  Editor()->TurnToPage(EditorPage::CourseChoice);
  W<QPushButton>("Button19")->click();
  EXPECT_EQ(Editor()->ActivePage(), EditorPage::SpecialWork);
  EXPECT_FALSE(state_.Data.Modified);
}

TEST_F(EditorTest, KeyboardTurnsThePagesLikeAClick) {
  // Window shortcuts work in the active window only.
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  Retype(Edit("Surname"), QStringLiteral("Keller"));
  QTest::keyClick(Edit("Surname"), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Editor()->ActivePage(), EditorPage::ForeignLanguages);
  EXPECT_EQ(Rec(0).Surname, "Keller");
  QTest::keyClick(List(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Editor()->ActivePage(), EditorPage::IntroPhase);
  QTest::keyClick(List(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Editor()->ActivePage(), EditorPage::ForeignLanguages);
  EXPECT_EQ(List()->currentRow(), 0);
}

// Edits on every page, transferred, saved through "Speichern unter...",
// give the same file as the same values written by the core directly; the
// file opened again shows them all.
TEST_F(EditorTest, EditsOnEveryPageSurviveSaveAndReopenByteForByte) {
  Retype(Edit("Surname"), QStringLiteral("Weiß"));
  Retype(Edit("GivenNames"), QStringLiteral("Zoë"));
  W<QRadioButton>("Salutation_0")->click();
  Retype(Edit("BirthDate"), QStringLiteral("03042007"));
  Retype(Edit("BirthPlace"), QStringLiteral("Saarbrücken"));
  Pick(Box("ClassName"), QStringLiteral("12b"));
  Pick(Box("Tutor"), QStringLiteral("Herr Weiß"));
  Pick(Box("Religion"), QStringLiteral("katholische"));
  ClickPage(EditorPage::ForeignLanguages);
  Pick(Box("LanguageSubject1"), QStringLiteral("Französisch"));
  Pick(Box("LanguageFromGrade1"), QStringLiteral(" 7"));
  Pick(Box("LanguageToGrade1"), QStringLiteral("13"));
  W<QRadioButton>("Latinum_2")->click();
  ClickPage(EditorPage::IntroPhase);
  Retype(Edit("IntroMark1_0"), QStringLiteral("2"));
  Retype(Edit("IntroMark2_3"), QStringLiteral("#"));
  Pick(Box("IntroSubject13"), QStringLiteral("Chor"));
  Check("PromotableToQualPhase")->setCheckState(Qt::Checked);
  ClickPage(EditorPage::CourseChoice);
  Pick(Box("CourseSubject2"), QStringLiteral("Biologie"));
  Check("CourseExam2")->setCheckState(Qt::Checked);
  ClickPage(EditorPage::Results);
  Retype(Edit("Points2_0"), QStringLiteral("11"));
  Check("Credited2_0")->setCheckState(Qt::Checked);
  Retype(Edit("WrittenExam2"), QStringLiteral("09"));
  ClickPage(EditorPage::SpecialWork);
  auto* topic = W<FreeTextEdit>("SpecialWorkTopic");
  topic->selectAll();
  TypeKeys(topic, QStringLiteral("Gewässer der Saar"));
  QTest::keyClick(topic, Qt::Key_Return);
  TypeKeys(topic, QStringLiteral("im Wandel"));
  Retype(Edit("SpecialWorkDocPoints"), QStringLiteral("13"));
  ClickPage(EditorPage::Remarks);
  auto* remarks = W<FreeTextEdit>("InternalRemarks");
  remarks->selectAll();
  TypeKeys(remarks, QStringLiteral("Attest liegt vor"));
  ClickPage(EditorPage::ProjectCourses);
  Pick(Box("ProjectCourse1"), QStringLiteral("Orchester"));
  // The last page's edits are stored by the file command itself.
  Check("ProjectCoursesHoldSpecialWork")->setCheckState(Qt::Checked);

  const fs::path saved = dir_ / "JG2025.TLK";
  ui_.ExpectSaveDialog(saved).ExpectSavingWindow();
  MenuAction("FileSaveAs")->trigger();
  ASSERT_TRUE(ui_.Done());

  // The same values written by the core directly.
  app::AppState direct;
  test::ScriptedInteraction quiet;
  app::StartUp(direct, quiet, dir_.path());
  auto& r = direct.Data.Table.At(0);
  r.Surname = Cp("Weiß");
  r.GivenNames = Cp("Zoë");
  r.Salutation = 1;
  r.BirthDate = "03.04.2007";
  r.BirthPlace = Cp("Saarbrücken");
  r.ClassName = "12b";
  r.Tutor = Cp("Herr Weiß");
  r.Religion = "katholische";
  r.ForeignLanguages[1] = {Cp("Französisch"), " 7", "13"};
  r.Latinum = 2;
  r.IntroPhase[0].Mark1 = "2";
  r.IntroPhase[3].Mark2 = "#";
  r.IntroPhase[13].Subject = "Chor";
  r.PromotableToQualPhase = 1;
  r.CourseChoices[2].Subject = "Biologie";
  r.CourseChoices[2].ExamSubject = 1;
  r.CourseResults[2].SubjectCopy = "Biologie";
  r.CourseResults[2].SemesterPoints[0] = "11";
  r.CourseResults[2].Credited[0] = 1;
  r.CourseResults[2].WrittenExamPoints = "09";
  r.SpecialWorkTopic = Cp("Gewässer der Saar\r\nim Wandel");
  r.SpecialWorkDocPoints = "13";
  r.InternalRemarks = "Attest liegt vor";
  r.ProjectCourses[1] = "Orchester";
  r.ProjectCoursesHoldSpecialWork = 1;
  const fs::path expected = dir_ / "DIREKT.TLK";
  quiet.ExpectSaveDialog(expected).ExpectSavingWindow();
  ASSERT_TRUE(app::SaveDataAs(direct, quiet));
  EXPECT_TRUE(test::ReadAll(saved) == test::ReadAll(expected));
  EXPECT_EQ(TableOfFile(saved).At(0).SpecialWorkTopic, Cp("Gewässer der Saar\r\nim Wandel"));

  // Reopened, every value is back in its control.
  MenuAction("FileNew")->trigger();
  EXPECT_EQ(Edit("Surname")->text(), QStringLiteral("   - frei -"));
  ui_.ExpectOpenDialog(saved);
  MenuAction("FileOpen")->trigger();
  ASSERT_TRUE(ui_.Done());
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("Weiß, Zoë"));
  EXPECT_EQ(Edit("Surname")->text(), QStringLiteral("Weiß"));
  EXPECT_TRUE(W<QRadioButton>("Salutation_0")->isChecked());
  EXPECT_EQ(Edit("BirthDate")->text(), QStringLiteral("03.04.2007"));
  EXPECT_EQ(Text(Box("ClassName")), QStringLiteral("12b"));
  EXPECT_EQ(Text(Box("Tutor")), QStringLiteral("Herr Weiß"));
  EXPECT_EQ(Text(Box("LanguageSubject1")), QStringLiteral("Französisch"));
  EXPECT_EQ(Text(Box("LanguageFromGrade1")), QStringLiteral(" 7"));
  EXPECT_TRUE(W<QRadioButton>("Latinum_2")->isChecked());
  EXPECT_EQ(Edit("IntroMark1_0")->text(), QStringLiteral("2"));
  EXPECT_EQ(Edit("IntroMark2_3")->text(), QStringLiteral("#"));
  EXPECT_EQ(Text(Box("IntroSubject13")), QStringLiteral("Chor"));
  EXPECT_EQ(Check("PromotableToQualPhase")->checkState(), Qt::Checked);
  EXPECT_EQ(Text(Box("CourseSubject2")), QStringLiteral("Biologie"));
  EXPECT_EQ(Check("CourseExam2")->checkState(), Qt::Checked);
  EXPECT_EQ(Edit("Points2_0")->text(), QStringLiteral("11"));
  EXPECT_EQ(Check("Credited2_0")->checkState(), Qt::Checked);
  EXPECT_EQ(Edit("WrittenExam2")->text(), QStringLiteral("09"));
  EXPECT_EQ(topic->toPlainText(), QStringLiteral("Gewässer der Saar\nim Wandel"));
  EXPECT_EQ(Edit("SpecialWorkDocPoints")->text(), QStringLiteral("13"));
  EXPECT_EQ(remarks->toPlainText(), QStringLiteral("Attest liegt vor"));
  EXPECT_EQ(Text(Box("ProjectCourse1")), QStringLiteral("Orchester"));
  EXPECT_EQ(Check("ProjectCoursesHoldSpecialWork")->checkState(), Qt::Checked);
  EXPECT_EQ(
      static_cast<const ResultsPage*>(Editor()->Page(EditorPage::Results))->RowCaption(2)->text(),
      QStringLiteral("Biologie"));
  EXPECT_FALSE(window_->ModifiedBoxShown());
}

// New, Open, Save and leaving the program first store what the editor
// shows, so the unsaved-changes question knows about the typing.
TEST_F(EditorTest, FileCommandsStoreTheEditorFirst) {
  Retype(Edit("Surname"), QStringLiteral("Keller"));
  const fs::path saved = dir_ / "JG.TLK";
  ui_.ExpectSaveDialog(saved).ExpectSavingWindow();
  MenuAction("FileSave")->trigger();
  ASSERT_TRUE(ui_.Done());
  EXPECT_EQ(TableOfFile(saved).At(0).Surname, "Keller");
  EXPECT_EQ(List()->item(0)->text(), QStringLiteral("Keller, "));

  Retype(Edit("Surname"), QStringLiteral("Becker"));
  ui_.ExpectAsk(Icon::Warning, "wurden eventuell noch nicht gesichert!", core::Answer::No);
  MenuAction("FileNew")->trigger();
  ASSERT_TRUE(ui_.Done());
  EXPECT_EQ(Edit("Surname")->text(), QStringLiteral("   - frei -"));

  Retype(Edit("Surname"), QStringLiteral("Lang"));
  ui_.ExpectAsk(Icon::Confirmation, "wirklich beenden", core::Answer::Yes)
      .ExpectAsk(Icon::Warning, Cp("Sollen die Änderungen gespeichert werden?"), core::Answer::No);
  EXPECT_TRUE(window_->close());
  ASSERT_TRUE(ui_.Done());
  EXPECT_EQ(TableOfFile(dir_ / "Sicherung.DAT").At(0).Surname, "Lang");
}

// ---------------------------------------------------------------- rules via the model

// A changed course choice warns once per affected row, at the transfer that
// stores it; the points of the row stay.
TEST_F(EditorTest, CourseChangeWarnsOncePerRow) {
  auto& rec = Rec(0);
  rec.CourseChoices[2].Subject = "Biologie";
  rec.CourseResults[2].SubjectCopy = "Biologie";
  rec.CourseResults[2].SemesterPoints[0] = "10";
  rec.CourseChoices[3].Subject = "Chemie";
  rec.CourseResults[3].SubjectCopy = "Chemie";
  window_->ShowState();
  ClickPage(EditorPage::CourseChoice);
  Pick(Box("CourseSubject2"), QStringLiteral("Physik"));
  Pick(Box("CourseSubject3"), QStringLiteral("   - - -"));
  ui_.ExpectAsk(Icon::Warning, "(Tausch-Funktion noch nicht integriert bzw. in Arbeit!)")
      .ExpectAsk(Icon::Warning, Cp("(Lösch-Funktion für Bewertungen noch nicht integriert"));
  ClickPage(EditorPage::Results);
  ASSERT_TRUE(ui_.Done());
  EXPECT_EQ(rec.CourseResults[2].SubjectCopy, "Physik");
  EXPECT_EQ(Edit("Points2_0")->text(), QStringLiteral("10"));
  EXPECT_EQ(
      static_cast<const ResultsPage*>(Editor()->Page(EditorPage::Results))->RowCaption(2)->text(),
      QStringLiteral("Physik"));
  // Stored now: further transfers do not warn again.
  ClickPage(EditorPage::CourseChoice);
  Command(CommandButton::TakeOverData)->click();
  List()->setCurrentRow(1);
  EXPECT_EQ(ui_.Log().size(), 2u);
}

// A stored value other than 0 and 1 shows greyed; greyed stores 0.
// The grey state only shows a stored value other than 0 and 1: browsing
// keeps it, the first click ticks it, and clicks then tick and untick.
TEST_F(EditorTest, GreyedCheckBoxShowsAStrayValueAndTheFirstClickTicks) {
  auto& rec = Rec(0);
  rec.CourseResults[0].Credited[1] = 7;
  rec.CourseResults[0].Credited[2] = 7;
  window_->ShowState();
  EXPECT_EQ(Check("Credited0_1")->checkState(), Qt::PartiallyChecked);
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(rec.CourseResults[0].Credited[1], 7);
  EXPECT_FALSE(state_.Data.Modified);

  QTest::mouseClick(Check("Credited0_1"), Qt::LeftButton);
  EXPECT_EQ(Check("Credited0_1")->checkState(), Qt::Checked);
  QTest::mouseClick(Check("Credited0_1"), Qt::LeftButton);
  EXPECT_EQ(Check("Credited0_1")->checkState(), Qt::Unchecked);
  QTest::mouseClick(Check("Credited0_1"), Qt::LeftButton);
  EXPECT_EQ(Check("Credited0_1")->checkState(), Qt::Checked);
  EXPECT_FALSE(Check("Credited0_1")->isTristate());
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(rec.CourseResults[0].Credited[1], 1);
  EXPECT_EQ(rec.CourseResults[0].Credited[2], 7);
  EXPECT_TRUE(state_.Data.Modified);
}

// A class name that is no longer in the class list stays through browsing:
// it is shown as an item of its own and stored unchanged.
TEST_F(EditorTest, UnknownClassNameIsKeptWhenBrowsing) {
  // Without the predecessor template, so the free slot 1 shows its own.
  state_.General.PredecessorAsTemplate = 0;
  Rec(0).Surname = "Keller";
  Rec(0).ClassName = "13x";
  Rec(0).Religion = Cp("freireligiös");
  window_->ShowState();
  EXPECT_EQ(Text(Box("ClassName")), QStringLiteral("13x"));
  EXPECT_EQ(Box("ClassName")->count(), 4);
  List()->setCurrentRow(1);
  List()->setCurrentRow(0);
  ClickPage(EditorPage::ForeignLanguages);
  EXPECT_EQ(Rec(0).ClassName, "13x");
  EXPECT_EQ(Rec(0).Religion, Cp("freireligiös"));
  EXPECT_EQ(Text(Box("ClassName")), QStringLiteral("13x"));
  EXPECT_FALSE(state_.Data.Modified);
  // Another item chosen: the unknown one is gone from the box.
  ClickPage(EditorPage::PersonalData);
  Pick(Box("ClassName"), QStringLiteral("12a"));
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).ClassName, "12a");
  EXPECT_EQ(Box("ClassName")->count(), 3);
}

// A salutation code without a radio item shows none and survives.
TEST_F(EditorTest, UnknownRadioCodeIsKept) {
  Rec(0).Salutation = 5;
  Rec(0).Hebraicum = 9;
  window_->ShowState();
  EXPECT_FALSE(W<QRadioButton>("Salutation_0")->isChecked());
  EXPECT_FALSE(W<QRadioButton>("Salutation_1")->isChecked());
  EXPECT_FALSE(W<QRadioButton>("Hebraicum_0")->isChecked());
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).Salutation, 5);
  EXPECT_EQ(Rec(0).Hebraicum, 9);
  EXPECT_FALSE(state_.Data.Modified);
  // A known code afterwards checks its button again.
  Rec(0).Salutation = 2;
  window_->ShowState();
  EXPECT_TRUE(W<QRadioButton>("Salutation_1")->isChecked());
}

// ---------------------------------------------------------------- command buttons

TEST_F(EditorTest, CommandButtonColumn) {
  QStringList captions;
  for (size_t i = 0; i < kCommandButtonCount; ++i) {
    captions << Command(static_cast<CommandButton>(i))->text();
  }
  EXPECT_EQ(
      captions,
      (QStringList{QStringLiteral("? Kurswahl"), QStringLiteral("? Anmeldung z. Pr."),
                   QStringLiteral("? Zulassung z. Pr."), QStringLiteral("Optimierung"),
                   QStringLiteral("Prüf.-empfehlung"), QStringLiteral("Druck Datenblatt"),
                   QStringLiteral("Druck Ergebnis"), QStringLiteral("Probezeugnis"),
                   QStringLiteral("Weiter Suchen"), QStringLiteral("Sortieren (Namen)"),
                   QStringLiteral("Kurseinstellungen"), QStringLiteral("Daten übernehmen"),
                   QStringLiteral("Daten verwerfen"), QStringLiteral("? Versetzung i. Q."),
                   QStringLiteral("? Zulass. z. mdl. Pr."), QStringLiteral("Anrechng. löschen")}));
  // Shown: every button has its command (the print buttons print the data
  // sheet, the exam result and the extended data sheet); "Kurseinstellungen"
  // (no command by design) is disabled.
  QStringList hidden;
  for (size_t i = 0; i < kCommandButtonCount; ++i) {
    QPushButton* b = Command(static_cast<CommandButton>(i));
    if (!b->isVisible()) hidden << b->text();
  }
  EXPECT_EQ(hidden, QStringList{});
  EXPECT_FALSE(Command(CommandButton::CourseSettings)->isEnabled());

  // "Anrechng. löschen" is enabled only on "Bewertung und Auswahl".
  QPushButton* clear = Command(CommandButton::ClearCredits);
  EXPECT_FALSE(clear->isEnabled());
  ClickPage(EditorPage::Results);
  EXPECT_TRUE(clear->isEnabled());
  List()->setCurrentRow(4);
  EXPECT_TRUE(clear->isEnabled());
  ClickPage(EditorPage::Remarks);
  EXPECT_FALSE(clear->isEnabled());
}

// ---------------------------------------------------------------- enciphered data

TEST_F(EditorTest, EncipheredDataAreReadOnly) {
  state_.Data.ShownEnciphered = true;
  window_->ShowState();
  EXPECT_TRUE(Editor()->ReadOnly());
  EXPECT_TRUE(Edit("Surname")->isReadOnly());
  EXPECT_TRUE(W<FreeTextEdit>("InternalRemarks")->isReadOnly());
  EXPECT_FALSE(Box("ClassName")->isEnabled());
  EXPECT_FALSE(Check("CourseExam0")->isEnabled());
  EXPECT_FALSE(W<QRadioButton>("Latinum_0")->isEnabled());
  // The reason stands in its own field; hints do not cover it.
  EXPECT_TRUE(window_->EncipheredField().contains(QStringLiteral("verschlüsselt")));
  QStatusTipEvent tip(QStringLiteral("Neu"));
  QApplication::sendEvent(window_.get(), &tip);
  window_->ShowState();
  ClickPage(EditorPage::Results);
  EXPECT_EQ(window_->HintField(), QStringLiteral("Neu"));
  EXPECT_TRUE(window_->EncipheredField().contains(QStringLiteral("verschlüsselt")));

  TypeKeys(Edit("Surname"), QStringLiteral("x"));
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).Surname, "   - frei -");
  EXPECT_FALSE(state_.Data.Modified);

  state_.Data.ShownEnciphered = false;
  window_->ShowState();
  EXPECT_EQ(window_->EncipheredField(), QString());
  EXPECT_FALSE(Edit("Surname")->isReadOnly());
  EXPECT_TRUE(Box("ClassName")->isEnabled());
}

}  // namespace
}  // namespace tolka::ui
