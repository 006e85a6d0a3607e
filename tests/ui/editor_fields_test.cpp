// What the editor's controls let a person type: the field widths, a
// character outside Windows-1252 refused with a message (never stored as
// "?"), the points and mark boxes, the date box, the free texts with their
// stored size, and the edited flag that only typing sets.
#include <QClipboard>
#include <QGuiApplication>
#include <QWheelEvent>

#include "app/input_limits.h"
#include "ui/editor_fixture.h"

namespace tolka::ui {
namespace {

using app::EditorPage;

QValidator::State Validate(const QLineEdit* edit, const QString& text) {
  QString copy = text;
  int pos = 0;
  return edit->validator()->validate(copy, pos);
}

TEST_F(EditorTest, TextBoxesHoldTheirFieldsWidth) {
  EXPECT_EQ(Edit("StudentId")->maxLength(), 10);
  EXPECT_EQ(Edit("Surname")->maxLength(), 40);
  EXPECT_EQ(Edit("GivenNames")->maxLength(), 40);
  EXPECT_EQ(Edit("BirthPlace")->maxLength(), 70);
  EXPECT_EQ(Edit("Residence")->maxLength(), 70);
  EXPECT_EQ(Edit("SpecialWorkMentor")->maxLength(), 70);
  EXPECT_EQ(Edit("Points12_3")->maxLength(), 2);
  EXPECT_EQ(Edit("SpecialWorkTotal")->maxLength(), 2);
  EXPECT_EQ(Edit("IntroMark1_16")->maxLength(), 1);

  // The 41st character typed is cut off; 40 survive the transfer.
  const QString forty(40, QLatin1Char('a'));
  Retype(Edit("Surname"), forty + QStringLiteral("b"));
  EXPECT_EQ(Edit("Surname")->text(), forty);
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).Surname, std::string(40, 'a'));
}

// A character that Windows-1252 cannot hold is refused where it is typed,
// with a message naming it; the box keeps its text and nothing reaches the
// record as "?".
TEST_F(EditorTest, CharacterOutsideWindows1252IsRefused) {
  FieldEdit* surname = Edit("Surname");
  Retype(surname, QStringLiteral("Kowalsk"));
  const QString message = NextMessageBox([&]() { TypeKeys(surname, QStringLiteral("Ł")); });
  EXPECT_TRUE(message.contains(QStringLiteral("„Ł“ kann nicht gespeichert werden")))
      << message.toStdString();
  EXPECT_TRUE(message.contains(QStringLiteral("Windows-1252")));
  EXPECT_EQ(surname->text(), QStringLiteral("Kowalsk"));
  // The Windows-1252 letters beyond ASCII are taken, "€" and "Œ" too.
  TypeKeys(surname, QStringLiteral("äß€Œ"));
  EXPECT_EQ(surname->text(), QStringLiteral("Kowalskäß€Œ"));
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).Surname, Cp("Kowalskäß€Œ"));
  EXPECT_EQ(Rec(0).Surname.find('?'), std::string::npos);
}

TEST_F(EditorTest, FreeTextRefusesUnstorableCharactersTypedOrPasted) {
  auto* remarks = W<FreeTextEdit>("InternalRemarks");
  remarks->selectAll();
  TypeKeys(remarks, QStringLiteral("Attest"));
  const QString typed = NextMessageBox([&]() { TypeKeys(remarks, QStringLiteral("→")); });
  EXPECT_TRUE(typed.contains(QStringLiteral("„→“")));
  QGuiApplication::clipboard()->setText(QStringLiteral(" aus Łódź"));
  const QString pasted = NextMessageBox([&]() { remarks->paste(); });
  EXPECT_TRUE(pasted.contains(QStringLiteral("„Ł“")));
  EXPECT_EQ(remarks->toPlainText(), QStringLiteral("Attest"));
  QGuiApplication::clipboard()->setText(QStringLiteral(" für Müller"));
  remarks->paste();
  EXPECT_EQ(remarks->toPlainText(), QStringLiteral("Attest für Müller"));
  ClickPage(EditorPage::Remarks);
  EXPECT_EQ(Rec(0).InternalRemarks, Cp("Attest für Müller"));
}

// "Thema:" holds 199 stored characters; a line break counts two.
TEST_F(EditorTest, FreeTextStopsAtItsStoredSize) {
  auto* topic = W<FreeTextEdit>("SpecialWorkTopic");
  EXPECT_EQ(topic->Capacity(), 199u);
  EXPECT_EQ(W<FreeTextEdit>("InternalRemarks")->Capacity(), 999u);
  EXPECT_EQ(W<FreeTextEdit>("CertificateRemarks")->Capacity(), 399u);
  topic->selectAll();
  TypeKeys(topic, QString(198, QLatin1Char('x')));
  // The break would need two bytes: refused, and said in the status line.
  QTest::keyClick(topic, Qt::Key_Return);
  EXPECT_EQ(topic->toPlainText(), QString(198, QLatin1Char('x')));
  EXPECT_TRUE(window_->HintField().contains(QStringLiteral("höchstens 199 Zeichen")));
  TypeKeys(topic, QStringLiteral("yz"));
  EXPECT_EQ(topic->toPlainText(), QString(198, QLatin1Char('x')) + QStringLiteral("y"));
  // A selection replaced by a shorter text is fine.
  topic->selectAll();
  QGuiApplication::clipboard()->setText(QStringLiteral("kurz\nund gut"));
  topic->paste();
  EXPECT_EQ(topic->toPlainText(), QStringLiteral("kurz\nund gut"));
  ClickPage(EditorPage::Remarks);
  EXPECT_EQ(Rec(0).SpecialWorkTopic, "kurz\r\nund gut");
}

TEST_F(EditorTest, PointsBoxesTakeZeroToFifteenOrDashes) {
  FieldEdit* points = Edit("Points3_1");
  EXPECT_EQ(Validate(points, QStringLiteral("00")), QValidator::Acceptable);
  EXPECT_EQ(Validate(points, QStringLiteral("15")), QValidator::Acceptable);
  EXPECT_EQ(Validate(points, QStringLiteral("--")), QValidator::Acceptable);
  EXPECT_EQ(Validate(points, QStringLiteral("16")), QValidator::Invalid);
  EXPECT_EQ(Validate(points, QStringLiteral("7")), QValidator::Intermediate);
  EXPECT_EQ(Validate(points, QStringLiteral("-")), QValidator::Intermediate);
  EXPECT_EQ(Validate(points, QStringLiteral("a")), QValidator::Invalid);
  EXPECT_EQ(Validate(points, QStringLiteral("¹")), QValidator::Invalid);

  Retype(points, QStringLiteral("16"));
  EXPECT_EQ(points->text(), QStringLiteral("1"));
  Retype(points, QStringLiteral("-x-"));
  EXPECT_EQ(points->text(), QStringLiteral("--"));
  // A single digit gets its leading zero when the box is left.
  Retype(points, QStringLiteral("5"));
  QTest::keyClick(points, Qt::Key_Return);
  EXPECT_EQ(points->text(), QStringLiteral("05"));
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).CourseResults[3].SemesterPoints[1], "05");

  // The learning-achievement points and the exam points take the same.
  Retype(Edit("SpecialWorkColloquiumPoints"), QStringLiteral("99"));
  EXPECT_EQ(Edit("SpecialWorkColloquiumPoints")->text(), QStringLiteral("9"));
  Retype(Edit("OralExam0"), QStringLiteral("14"));
  EXPECT_EQ(Edit("OralExam0")->text(), QStringLiteral("14"));
}

TEST_F(EditorTest, IntroMarksTakeOneToSixDashOrHash) {
  FieldEdit* mark = Edit("IntroMark1_7");
  for (const char* ok : {"1", "6", "-", "#"}) {
    EXPECT_EQ(Validate(mark, QString::fromLatin1(ok)), QValidator::Acceptable) << ok;
  }
  for (const char* bad : {"0", "7", "a", "+"}) {
    EXPECT_EQ(Validate(mark, QString::fromLatin1(bad)), QValidator::Invalid) << bad;
  }
  Retype(mark, QStringLiteral("7"));
  EXPECT_EQ(mark->text(), QString());
  Retype(mark, QStringLiteral("3"));
  ClickPage(EditorPage::ForeignLanguages);
  EXPECT_EQ(Rec(0).IntroPhase[7].Mark1, "3");
}

// The date box stores its ten characters, blanks where nothing was typed;
// a box not typed in stores what it showed.
TEST_F(EditorTest, DateBoxStoresItsTenCharacters) {
  FieldEdit* date = Edit("BirthDate");
  EXPECT_TRUE(date->inputMask().startsWith(QStringLiteral("99.99.9999")));
  EXPECT_EQ(date->text(), QStringLiteral("00.00.0000"));
  Retype(date, QStringLiteral("1204"));
  List()->setCurrentRow(1);
  EXPECT_EQ(Rec(0).BirthDate, "12.04.    ");
  List()->setCurrentRow(0);
  EXPECT_EQ(date->displayText(), QStringLiteral("12.04.    "));
  Retype(date, QStringLiteral("x1"));
  EXPECT_EQ(date->displayText(), QStringLiteral("1 .  .    "));
}

// Only typing marks a box as edited; filling it and selecting in it do not.
TEST_F(EditorTest, EditedFlagFollowsTypingOnly) {
  FieldEdit* given = Edit("GivenNames");
  EXPECT_FALSE(given->Edited());
  given->setFocus();
  given->selectAll();
  EXPECT_FALSE(given->Edited());
  TypeKeys(given, QStringLiteral("Jo"));
  EXPECT_TRUE(given->Edited());
  EXPECT_TRUE(Editor()->Values().GivenNames.Edited);
  Command(CommandButton::DiscardData)->click();
  EXPECT_FALSE(given->Edited());
  // A text typed back to what was shown is still a change (modified set).
  TypeKeys(given, QStringLiteral("x"));
  QTest::keyClick(given, Qt::Key_Backspace);
  Command(CommandButton::TakeOverData)->click();
  EXPECT_TRUE(state_.Data.Modified);
}

// Rolling the wheel over a course box scrolls the page; it changes the
// course only when the box has the focus.
TEST_F(EditorTest, WheelChangesAChoiceOnlyWithFocus) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  ClickPage(EditorPage::CourseChoice);
  ChoiceBox* box = Box("CourseSubject5");
  const int before = box->currentIndex();
  const auto roll = [box]() {
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
  };
  W<QWidget>("CourseSubject0")->setFocus();
  roll();
  EXPECT_EQ(box->currentIndex(), before);
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());
  roll();
  EXPECT_EQ(box->currentIndex(), before + 1);
}

}  // namespace
}  // namespace tolka::ui
