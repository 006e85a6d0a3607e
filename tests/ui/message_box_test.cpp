#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

#include "core/cp1252.h"
#include "ui/modal_driver.h"
#include "ui/qt_interaction.h"

namespace tolka::ui {
namespace {

TEST(MessageBox, FourIconsMapToThePlatformsStandardIcons) {
  EXPECT_EQ(MessageBoxIcon(core::Icon::Error), QMessageBox::Critical);
  EXPECT_EQ(MessageBoxIcon(core::Icon::Warning), QMessageBox::Warning);
  EXPECT_EQ(MessageBoxIcon(core::Icon::Information), QMessageBox::Information);
  EXPECT_EQ(MessageBoxIcon(core::Icon::Confirmation), QMessageBox::Question);
  EXPECT_EQ(MessageBoxTitle(core::Icon::Confirmation), QStringLiteral("Bestätigung"));
}

TEST(MessageBox, YesNoBoxCarriesGermanCaptionsAndDefaults) {
  const auto box =
      CreateMessageBox(nullptr, core::Icon::Warning, QStringLiteral("Frage"), core::Buttons::YesNo);
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  ASSERT_NE(box->button(QMessageBox::Yes), nullptr);
  ASSERT_NE(box->button(QMessageBox::No), nullptr);
  EXPECT_EQ(box->button(QMessageBox::Ok), nullptr);
  // Qt's German translation is installed by the test main as by the program.
  EXPECT_EQ(box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
  EXPECT_EQ(box->button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nein"));
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
  EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
}

TEST(MessageBox, OkBoxHasOnlyOk) {
  const auto box =
      CreateMessageBox(nullptr, core::Icon::Error, QStringLiteral("Fehler"), core::Buttons::Ok);
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
  EXPECT_EQ(box->button(QMessageBox::Yes), nullptr);
  EXPECT_EQ(box->buttons().size(), 1);
}

TEST(MessageBox, AnswerForTheClickedButton) {
  EXPECT_EQ(AnswerFor(QMessageBox::Yes, core::Buttons::YesNo), core::Answer::Yes);
  EXPECT_EQ(AnswerFor(QMessageBox::No, core::Buttons::YesNo), core::Answer::No);
  // Closed without a button (Escape, the window manager): No.
  EXPECT_EQ(AnswerFor(QMessageBox::NoButton, core::Buttons::YesNo), core::Answer::No);
  EXPECT_EQ(AnswerFor(QMessageBox::Ok, core::Buttons::Ok), core::Answer::Ok);
  EXPECT_EQ(AnswerFor(QMessageBox::NoButton, core::Buttons::Ok), core::Answer::Ok);
}

// The interaction shows the core's Windows-1252 text with "\r" as line
// breaks and returns the button the user pressed.
TEST(MessageBox, AskShowsConvertedTextAndReturnsTheAnswer) {
  QWidget host;
  QtInteraction ui(&host);
  const std::string text = *core::Utf8ToCp1252(
      "Die Daten wurden geändert!\r\rSollen die Änderungen gespeichert werden?");
  QString shown;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  test::WhenModal<QMessageBox>([&](QMessageBox* box) {
    shown = box->text();
    icon = box->icon();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(ui.Ask(core::Icon::Warning, text, core::Buttons::YesNo), core::Answer::No);
  EXPECT_EQ(shown, QStringLiteral(
                       "Die Daten wurden geändert!\n\nSollen die Änderungen gespeichert werden?"));
  EXPECT_EQ(icon, QMessageBox::Warning);

  test::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  EXPECT_EQ(ui.Ask(core::Icon::Confirmation, "?", core::Buttons::YesNo), core::Answer::Yes);
}

// The offer of a recovery copy: two own buttons; neither Escape nor the
// close box may count as "Verwerfen", which deletes the copy.
TEST(MessageBox, RestoreOrDiscardIsAnsweredOnlyByItsButtons) {
  QWidget host;
  QtInteraction ui(&host);
  bool escape_ignored = false;
  bool close_ignored = false;
  test::WhenModal<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->buttons().size(), 2);
    auto* restore = box->findChild<QPushButton*>(QStringLiteral("RestoreButton"));
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(restore->text(), QStringLiteral("Wiederherstellen"));
    EXPECT_EQ(box->defaultButton(), restore);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box, &escape);
    escape_ignored = box->isVisible();
    box->close();
    close_ignored = box->isVisible();
    auto* discard = box->findChild<QPushButton*>(QStringLiteral("DiscardButton"));
    ASSERT_NE(discard, nullptr);
    EXPECT_EQ(discard->text(), QStringLiteral("Verwerfen"));
    discard->click();
  });
  EXPECT_EQ(ui.Ask(core::Icon::Confirmation, "?", core::Buttons::RestoreDiscard), core::Answer::No);
  EXPECT_TRUE(escape_ignored);
  EXPECT_TRUE(close_ignored);

  test::WhenModal<QMessageBox>([](QMessageBox* box) {
    box->findChild<QPushButton*>(QStringLiteral("RestoreButton"))->click();
  });
  EXPECT_EQ(ui.Ask(core::Icon::Confirmation, "?", core::Buttons::RestoreDiscard),
            core::Answer::Yes);
}

}  // namespace
}  // namespace tolka::ui
