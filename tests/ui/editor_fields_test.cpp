// What the editor's controls let a person type: the field widths, a
// character outside Windows-1252 refused with a message (never stored as
// "?"), the points and mark boxes, the date box, the free texts with their
// stored size, and the edited flag that only typing sets.
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <QWheelEvent>

#include "app/input_limits.h"
#include "ui/editor_fixture.h"

namespace tolka::ui {
namespace {

using app::EditorPage;

// Types `text` into the box by key presses, then presses Return, which
// settles it as leaving the box does; returns the text of the message box
// the refusal brought, or nothing when none came.
QString TypeAndSettle(FieldEdit* edit, const QString& text) {
  auto message = std::make_shared<QString>();
  // The box runs its own event loop: a timer inside it closes it.
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, [message]() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *message = box->text();
      box->accept();
    }
  });
  closer.start();
  edit->setFocus();
  Retype(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
  // A refusal is shown from the event loop, after the key press; a box that
  // comes late on a loaded machine is still closed here.
  QTest::qWait(40);
  (void)QTest::qWaitFor([]() { return QApplication::activeModalWidget() == nullptr; }, 2000);
  return *message;
}

TEST_F(EditorTest, TextBoxesHoldTheirFieldsWidth) {
  EXPECT_EQ(Edit("StudentId")->maxLength(), 10);
  EXPECT_EQ(Edit("Surname")->maxLength(), 40);
  EXPECT_EQ(Edit("GivenNames")->maxLength(), 40);
  EXPECT_EQ(Edit("BirthPlace")->maxLength(), 70);
  EXPECT_EQ(Edit("Residence")->maxLength(), 70);
  EXPECT_EQ(Edit("SpecialWorkMentor")->maxLength(), 70);
  // One more than the field, so a text too long is refused as a whole
  // instead of being cut into another value.
  EXPECT_EQ(Edit("Points12_3")->maxLength(), 3);
  EXPECT_EQ(Edit("SpecialWorkTotal")->maxLength(), 3);
  EXPECT_EQ(Edit("IntroMark1_16")->maxLength(), 2);

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

// A paste longer than the field inserts what fits and says how much was
// left out, in a message box (never silently nothing).
TEST_F(EditorTest, APasteTooLongInsertsWhatFitsAndSaysHowMuchWasLeftOut) {
  auto message = std::make_shared<QString>();
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, [message]() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      *message = box->text();
      box->accept();
    }
  });
  closer.start();

  FieldEdit* surname = Edit("Surname");
  surname->setFocus();
  surname->selectAll();
  QGuiApplication::clipboard()->setText(QString(45, QLatin1Char('a')));
  QTest::keyClick(surname, Qt::Key_V, Qt::ControlModifier);
  QTest::qWait(40);
  EXPECT_EQ(surname->text(), QString(40, QLatin1Char('a')));
  EXPECT_TRUE(message->contains(QStringLiteral("5 Zeichen wurden weggelassen")))
      << message->toStdString();

  message->clear();
  auto* topic = W<FreeTextEdit>("SpecialWorkTopic");
  topic->selectAll();
  QGuiApplication::clipboard()->setText(QString(250, QLatin1Char('b')));
  topic->paste();
  QTest::qWait(40);
  EXPECT_EQ(topic->toPlainText(), QString(199, QLatin1Char('b')));
  EXPECT_TRUE(message->contains(QStringLiteral("51 Zeichen wurden weggelassen")))
      << message->toStdString();
}

// Points: "00".."15" and "--"; a single digit gets its zero, "-" and an
// emptied box become "--"; "16", "99", "123" are refused as a whole (never
// "01", "09", "12"), with a message, and the box shows its previous points.
TEST_F(EditorTest, PointsBoxesTakeZeroToFifteenOrDashesAndRefuseTheRestWhole) {
  FieldEdit* points = Edit("Points3_1");
  EXPECT_EQ(TypeAndSettle(points, QStringLiteral("7")), QString());
  EXPECT_EQ(points->text(), QStringLiteral("07"));
  for (const char* bad : {"16", "20", "99", "123", "1-", "a"}) {
    const QString message = TypeAndSettle(points, QString::fromLatin1(bad));
    EXPECT_TRUE(message.contains(QStringLiteral("keine gültige Punktzahl"))) << bad;
    EXPECT_EQ(points->text(), QStringLiteral("07")) << bad;
  }
  EXPECT_EQ(TypeAndSettle(points, QStringLiteral("15")), QString());
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).CourseResults[3].SemesterPoints[1], "15");
  for (const char* none : {"-", ""}) {
    EXPECT_EQ(TypeAndSettle(points, QString::fromLatin1(none)), QString());
    EXPECT_EQ(points->text(), QStringLiteral("--")) << none;
  }
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).CourseResults[3].SemesterPoints[1], "--");

  // The exam and learning-achievement points take the same.
  FieldEdit* oral = Edit("OralExam0");
  EXPECT_FALSE(TypeAndSettle(oral, QStringLiteral("16")).isEmpty());
  EXPECT_EQ(oral->text(), QStringLiteral("--"));
  FieldEdit* colloquium = Edit("SpecialWorkColloquiumPoints");
  EXPECT_FALSE(TypeAndSettle(colloquium, QStringLiteral("99")).isEmpty());
  EXPECT_EQ(colloquium->text(), QStringLiteral("--"));
}

// A points text still being typed when a command reads the editor (a
// shortcut, the box keeps the focus): refused, the previous points stored.
TEST_F(EditorTest, AnUnsettledWrongPointsTextIsNeverStored) {
  FieldEdit* points = Edit("Points0_0");
  Retype(points, QStringLiteral("16"));
  EXPECT_EQ(Editor()->Values().CourseResults[0].SemesterPoints[0].Text, "--");
  Retype(points, QStringLiteral("9"));
  EXPECT_EQ(Editor()->Values().CourseResults[0].SemesterPoints[0].Text, "09");
}

TEST_F(EditorTest, IntroMarksTakeOneToSixDashOrHash) {
  FieldEdit* mark = Edit("IntroMark1_7");
  for (const char* ok : {"1", "6", "#", "-"}) {
    EXPECT_EQ(TypeAndSettle(mark, QString::fromLatin1(ok)), QString()) << ok;
    EXPECT_EQ(mark->text(), QString::fromLatin1(ok));
  }
  for (const char* bad : {"0", "7", "12", "a"}) {
    EXPECT_TRUE(TypeAndSettle(mark, QString::fromLatin1(bad))
                    .contains(QStringLiteral("keine gültige Note")))
        << bad;
    EXPECT_EQ(mark->text(), QStringLiteral("-")) << bad;
  }
  EXPECT_EQ(TypeAndSettle(mark, QString()), QString());  // emptied: no mark yet
  EXPECT_EQ(mark->text(), QStringLiteral("-"));
  TypeAndSettle(mark, QStringLiteral("3"));
  ClickPage(EditorPage::ForeignLanguages);
  EXPECT_EQ(Rec(0).IntroPhase[7].Mark1, "3");
}

// The birth date: a valid calendar date or nothing.
TEST_F(EditorTest, DateBoxTakesAValidDateOrNone) {
  FieldEdit* date = Edit("BirthDate");
  EXPECT_TRUE(date->inputMask().startsWith(QStringLiteral("99.99.9999")));
  EXPECT_EQ(TypeAndSettle(date, QStringLiteral("07032008")), QString());
  EXPECT_EQ(date->displayText(), QStringLiteral("07.03.2008"));
  for (const char* bad : {"99999999", "31022007", "1204"}) {
    EXPECT_TRUE(TypeAndSettle(date, QString::fromLatin1(bad))
                    .contains(QStringLiteral("kein gültiges Datum")))
        << bad;
    EXPECT_EQ(date->displayText(), QStringLiteral("07.03.2008")) << bad;
  }
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).BirthDate, "07.03.2008");
  EXPECT_EQ(TypeAndSettle(date, QString()), QString());
  Command(CommandButton::TakeOverData)->click();
  EXPECT_EQ(Rec(0).BirthDate, "");
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
