// The data and settings password dialogs and the pacing dialogs, driven as a
// person would: fill the fields, press the buttons.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>

#include "ui/dialogs/password_change_dialog.h"
#include "ui/dialogs/password_definition_dialog.h"
#include "ui/dialogs/password_query_dialog.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/dialogs/search_dialog.h"
#include "ui/dialogs/settings_password_dialog.h"
#include "ui/modal_driver.h"

namespace tolka::ui {
namespace {

using test::Click;
using test::Type;
using test::WhenModal;

bool HasLabel(const QWidget& dialog, const QString& text) {
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text() == text) return true;
  }
  return false;
}

void ExpectMasked(const QWidget& dialog) {
  const auto edits = dialog.findChildren<QLineEdit*>();
  ASSERT_FALSE(edits.isEmpty());
  for (const QLineEdit* edit : edits) EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
}

TEST(PasswordDefinitionDialog, ReturnsBothTextsOfAtMost15Characters) {
  QWidget host;
  PasswordDefinitionDialog dialog(&host);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Festlegung des Daten-Passwortes"));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Bitte geben Sie zweimal  das Passwort")));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("für Ihre Daten ein!")));
  ExpectMasked(dialog);
  for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>()) EXPECT_EQ(edit->maxLength(), 15);
  EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 2);  // OK, Abbrechen

  WhenModal<PasswordDefinitionDialog>([](PasswordDefinitionDialog* d) {
    Type(d, "FirstEdit", QStringLiteral("Geheim"));
    Type(d, "SecondEdit", QStringLiteral("Gehe1m"));
    Click(d, "OkButton");
  });
  // The dialog does not judge: the caller compares the two texts.
  const core::PasswordDefinitionAnswer answer = dialog.Run();
  EXPECT_TRUE(answer.Ok);
  EXPECT_EQ(answer.First, "Geheim");
  EXPECT_EQ(answer.Second, "Gehe1m");
}

// Nobody is trapped in the dialog: Escape, the close box and "Abbrechen"
// leave it, and the Save that asked writes nothing.
TEST(PasswordDefinitionDialog, EscapeCloseAndCancelLeaveIt) {
  QWidget host;
  PasswordDefinitionDialog dialog(&host);
  const std::vector<std::function<void(PasswordDefinitionDialog*)>> ways = {
      [](PasswordDefinitionDialog* d) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(d, &escape);
      },
      [](PasswordDefinitionDialog* d) { d->close(); },
      [](PasswordDefinitionDialog* d) { Click(d, "CancelButton"); },
  };
  for (const auto& leave : ways) {
    WhenModal<PasswordDefinitionDialog>([&leave](PasswordDefinitionDialog* d) {
      Type(d, "FirstEdit", QStringLiteral("abcd"));
      Type(d, "SecondEdit", QStringLiteral("abcd"));
      leave(d);
    });
    const core::PasswordDefinitionAnswer answer = dialog.Run();
    EXPECT_FALSE(answer.Ok);
    EXPECT_EQ(answer.First, "");
  }
}

TEST(PasswordDefinitionDialog, ShownAgainEmptyWithFocusInTheFirstEdit) {
  QWidget host;
  PasswordDefinitionDialog dialog(&host);
  WhenModal<PasswordDefinitionDialog>([](PasswordDefinitionDialog* d) {
    Type(d, "FirstEdit", QStringLiteral("eins"));
    Type(d, "SecondEdit", QStringLiteral("zwei"));
    d->findChild<QLineEdit*>(QStringLiteral("SecondEdit"))->setFocus();
    Click(d, "OkButton");
  });
  dialog.Run();
  QString first_text = QStringLiteral("?");
  QString second_text = QStringLiteral("?");
  bool focus_first = false;
  WhenModal<PasswordDefinitionDialog>([&](PasswordDefinitionDialog* d) {
    auto* first = d->findChild<QLineEdit*>(QStringLiteral("FirstEdit"));
    first_text = first->text();
    second_text = d->findChild<QLineEdit*>(QStringLiteral("SecondEdit"))->text();
    focus_first = d->focusWidget() == first;
    Click(d, "OkButton");
  });
  const auto answer = dialog.Run();
  EXPECT_TRUE(first_text.isEmpty());
  EXPECT_TRUE(second_text.isEmpty());
  EXPECT_TRUE(focus_first);
  EXPECT_EQ(answer.First, "");
}

// A character that Windows-1252 cannot store is refused with a message and
// the dialog stays open; nothing reaches the core as "?".
TEST(PasswordDefinitionDialog, RefusesCharactersOutsideTheCodePage) {
  QWidget host;
  PasswordDefinitionDialog dialog(&host);
  QString refusal;
  WhenModal<PasswordDefinitionDialog>([&](PasswordDefinitionDialog* d) {
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      refusal = box->text();
      box->accept();
      WhenModal<PasswordDefinitionDialog>([](PasswordDefinitionDialog* again) {
        Type(again, "FirstEdit", QStringLiteral("Größe"));
        Type(again, "SecondEdit", QStringLiteral("Größe"));
        Click(again, "OkButton");
      });
    });
    Type(d, "FirstEdit", QStringLiteral("Łódź1"));
    Type(d, "SecondEdit", QStringLiteral("Łódź1"));
    Click(d, "OkButton");
  });
  const auto answer = dialog.Run();
  EXPECT_TRUE(refusal.contains(QStringLiteral("Ł"))) << refusal.toStdString();
  EXPECT_EQ(answer.First,
            "Gr\xF6\xDF"
            "e");
  EXPECT_EQ(answer.Second,
            "Gr\xF6\xDF"
            "e");
}

TEST(PasswordQueryDialog, OkGivesTextAndVariant) {
  QWidget host;
  PasswordQueryDialog dialog(&host);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Passwortabfrage"));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Bitte geben Sie das Passwort ein:")));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Die Daten in dieser Datei sind verschlüsselt! ")));
  ExpectMasked(dialog);
  EXPECT_TRUE(test::Child<QPushButton>(&dialog, "OkButton")->isDefault());

  bool neu_preselected = false;
  WhenModal<PasswordQueryDialog>([&](PasswordQueryDialog* d) {
    neu_preselected = test::Child<QRadioButton>(d, "VariantNeu")->isChecked();
    Type(d, "PasswordEdit", QStringLiteral("Schlüssel"));
    test::Child<QRadioButton>(d, "VariantAlt")->setChecked(true);
    Click(d, "OkButton");
  });
  const core::PasswordQueryAnswer answer = dialog.Run();
  EXPECT_TRUE(neu_preselected);
  EXPECT_TRUE(answer.Ok);
  EXPECT_EQ(answer.Password, "Schl\xFCssel");
  EXPECT_EQ(answer.Variant, core::CipherVariant::Alt);

  // Shown again: empty edit, "neu" chosen.
  QString text_again = QStringLiteral("?");
  WhenModal<PasswordQueryDialog>([&](PasswordQueryDialog* d) {
    text_again = d->findChild<QLineEdit*>(QStringLiteral("PasswordEdit"))->text();
    Type(d, "PasswordEdit", QStringLiteral("abc"));
    Click(d, "OkButton");
  });
  const auto second = dialog.Run();
  EXPECT_TRUE(text_again.isEmpty());
  EXPECT_EQ(second.Variant, core::CipherVariant::Neu);
}

TEST(PasswordQueryDialog, CancelGivesNoPasswordButTheVariant) {
  QWidget host;
  PasswordQueryDialog dialog(&host);
  WhenModal<PasswordQueryDialog>([](PasswordQueryDialog* d) {
    Type(d, "PasswordEdit", QStringLiteral("geheim"));
    test::Child<QRadioButton>(d, "VariantAlt")->setChecked(true);
    Click(d, "CancelButton");
  });
  const auto answer = dialog.Run();
  EXPECT_FALSE(answer.Ok);
  EXPECT_EQ(answer.Password, "");
  EXPECT_EQ(answer.Variant, core::CipherVariant::Alt);
}

TEST(SettingsPasswordDialog, PromptsAndNotes) {
  QWidget host;
  SettingsPasswordDialog config(core::SettingsPasswordKind::Configuration, &host);
  SettingsPasswordDialog exam(core::SettingsPasswordKind::ExamSettings, &host);
  SettingsPasswordDialog subject(core::SettingsPasswordKind::SubjectSettings, &host);
  for (const SettingsPasswordDialog* d : {&config, &exam, &subject}) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Zugangskontrolle für Konfigurationsbereich"));
    ExpectMasked(*d);
  }
  EXPECT_TRUE(HasLabel(config, QStringLiteral("Bitte das Passwort eingeben:")));
  EXPECT_TRUE(HasLabel(exam, QStringLiteral("Bitte das Passwort (für AbiDefinition) eingeben:")));
  EXPECT_TRUE(
      HasLabel(subject, QStringLiteral("Bitte das Passwort (für Fächerdefinition) eingeben:")));
  EXPECT_EQ(config.findChild<QPlainTextEdit*>(), nullptr);

  const auto* note = test::Child<QPlainTextEdit>(&exam, "NoteMemo");
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isReadOnly());
  const QStringList lines = note->toPlainText().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0], QStringLiteral("Hinweis!"));
  EXPECT_EQ(lines[1], QString());
  EXPECT_EQ(lines[2],
            QStringLiteral(
                "Dieser Bereich ist nur für Spezialfälle im Abiturverfahren vorgesehen. Der "));
  EXPECT_EQ(lines[5], QStringLiteral("zugänglich."));
  const QStringList subject_lines =
      test::Child<QPlainTextEdit>(&subject, "NoteMemo")->toPlainText().split(QLatin1Char('\n'));
  ASSERT_EQ(subject_lines.size(), 6);
  EXPECT_EQ(subject_lines[2], QStringLiteral("Dieser Bereich ist nur für Spezialfälle in der "
                                             "Fächerstruktur vorgesehen. Der "));
}

TEST(SettingsPasswordDialog, OkGivesTheTextCancelNothing) {
  QWidget host;
  SettingsPasswordDialog dialog(core::SettingsPasswordKind::ExamSettings, &host);
  WhenModal<SettingsPasswordDialog>([](SettingsPasswordDialog* d) {
    Type(d, "PasswordEdit", QStringLiteral("Abi2024"));
    Click(d, "OkButton");
  });
  EXPECT_EQ(dialog.Run(), std::optional<std::string>("Abi2024"));
  // An empty entry is a text too (it matches an empty configuration password).
  WhenModal<SettingsPasswordDialog>([](SettingsPasswordDialog* d) { Click(d, "OkButton"); });
  EXPECT_EQ(dialog.Run(), std::optional<std::string>(""));
  WhenModal<SettingsPasswordDialog>([](SettingsPasswordDialog* d) {
    Type(d, "PasswordEdit", QStringLiteral("x"));
    Click(d, "CancelButton");
  });
  EXPECT_FALSE(dialog.Run().has_value());
}

TEST(PasswordChangeDialog, OkGivesBothTextsCancelNothing) {
  QWidget host;
  PasswordChangeDialog dialog(&host);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Konfigurationspasswort ändern ..."));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Bitte das NEUE Passwort zweimal eingeben:")));
  ExpectMasked(dialog);
  WhenModal<PasswordChangeDialog>([](PasswordChangeDialog* d) {
    Type(d, "FirstEdit", QStringLiteral("neu1"));
    Type(d, "SecondEdit", QStringLiteral("neu2"));
    Click(d, "OkButton");
  });
  const auto answer = dialog.Run();
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->First, "neu1");
  EXPECT_EQ(answer->Second, "neu2");
  WhenModal<PasswordChangeDialog>([](PasswordChangeDialog* d) { Click(d, "CancelButton"); });
  EXPECT_FALSE(dialog.Run().has_value());
}

TEST(SearchDialog, ShowsTheLastSearchAndReturnsTheNewOne) {
  QWidget host;
  SearchDialog dialog(&host);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Suchen ..."));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Suchtext:")));

  core::SearchRequest last;
  last.Text = "M\xFCller";
  last.Field = core::SearchField::GivenNames;
  last.Kind = core::MatchKind::Part;
  QString shown_text;
  bool given_checked = false;
  bool part_checked = false;
  WhenModal<SearchDialog>([&](SearchDialog* d) {
    shown_text = d->findChild<QLineEdit*>(QStringLiteral("SearchEdit"))->text();
    given_checked = test::Child<QRadioButton>(d, "FieldGivenNames")->isChecked();
    part_checked = test::Child<QRadioButton>(d, "MatchPart")->isChecked();
    Type(d, "SearchEdit", QStringLiteral("Jörg"));
    test::Child<QRadioButton>(d, "FieldSurname")->setChecked(true);
    test::Child<QRadioButton>(d, "MatchWhole")->setChecked(true);
    Click(d, "OkButton");
  });
  const auto request = dialog.Run(last);
  EXPECT_EQ(shown_text, QStringLiteral("Müller"));
  EXPECT_TRUE(given_checked);
  EXPECT_TRUE(part_checked);
  ASSERT_TRUE(request.has_value());
  EXPECT_EQ(request->Text, "J\xF6rg");
  EXPECT_EQ(request->Field, core::SearchField::Surname);
  EXPECT_EQ(request->Kind, core::MatchKind::Whole);

  // The first search: "Name" and "volle Übereinstimmung"; at most 40
  // characters; Abbrechen gives nothing.
  WhenModal<SearchDialog>([](SearchDialog* d) {
    d->findChild<QLineEdit*>(QStringLiteral("SearchEdit"))->insert(QString(50, QLatin1Char('x')));
    Click(d, "OkButton");
  });
  const auto first = dialog.Run(core::SearchRequest{});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->Text, std::string(40, 'x'));
  EXPECT_EQ(first->Field, core::SearchField::Surname);
  EXPECT_EQ(first->Kind, core::MatchKind::Whole);
  WhenModal<SearchDialog>([](SearchDialog* d) { Click(d, "CancelButton"); });
  EXPECT_FALSE(dialog.Run(last).has_value());
}

TEST(ProgressDialog, PacesAndClosesItself) {
  QWidget host;
  ProgressDialog dialog(ProgressDialog::SettingsSaved(), &host);
  EXPECT_EQ(dialog.objectName(), QStringLiteral("Tfortschrittdlg"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Speichern ..."));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Speichern der Informationen:")));
  EXPECT_EQ(dialog.StepInterval(), 150);
  EXPECT_EQ(dialog.CloseInterval(), 2000);
  const auto* bar = test::Child<QProgressBar>(&dialog, "ProgressBar");
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 15);

  int value_when_shown = -1;
  WhenModal<ProgressDialog>(
      [&](ProgressDialog* d) { value_when_shown = d->findChild<QProgressBar*>()->value(); });
  // Returns without anyone pressing anything.
  dialog.Run();
  EXPECT_GE(value_when_shown, 1);
  EXPECT_GT(bar->value(), 1);
  EXPECT_LE(bar->value(), 15);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgressDialog, SavingWindowIsShorter) {
  const Pacing saving = ProgressDialog::DataFileSaved();
  EXPECT_EQ(saving.caption, QStringLiteral("Speichern ..."));
  EXPECT_LT(saving.close_ms, ProgressDialog::SettingsSaved().close_ms);
  QWidget host;
  ProgressDialog dialog(saving, &host);
  dialog.Run();
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace tolka::ui
