// The main window with its record editor over a started program state: the
// built-in subject catalogue and the class, tutor and project-course lists
// in the program directory, the window shown (offscreen), so the editor's
// item lists are built as at a real start. Helpers type into the controls as
// a person does (key events, so textEdited fires) and read them back.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <memory>

#include "app/startup.h"
#include "core/cp1252.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/command_button_column.h"
#include "ui/editor/editor_fields.h"
#include "ui/editor/record_editor.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"

namespace tolka::ui {

// A Windows-1252 text written in UTF-8 here.
inline std::string Cp(const char* utf8) { return *core::Utf8ToCp1252(utf8); }

inline void WriteText(const std::filesystem::path& path, const std::string& cp1252) {
  test::WriteAll(path, std::vector<uint8_t>(cp1252.begin(), cp1252.end()));
}

// Key presses with the text of each character, as a keyboard or an input
// method delivers it (QTest::keyClicks passes Latin-1 only).
inline void TypeKeys(QWidget* widget, const QString& text) {
  for (const char32_t code_point : text.toUcs4()) {
    const QString character = QString::fromUcs4(&code_point, 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &release);
  }
}

// Replaces an edit box's text by typing.
inline void Retype(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  TypeKeys(edit, text);
}

inline void Pick(QComboBox* box, const QString& item) {
  const int index = box->findText(item);
  ASSERT_GE(index, 0) << item.toStdString();
  box->setCurrentIndex(index);
}

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() {
    WriteText(dir_ / "KLASSEN.KLL", "12a\r\n12b\r\n");
    WriteText(dir_ / "TUTOREN.STL", Cp("Frau Köhler\r\nHerr Weiß\r\n"));
    WriteText(dir_ / "PKURSE.PKL", "Chor\r\nOrchester\r\n");
    window_ = std::make_unique<MainWindow>(state_, &ui_);
    app::StartUp(state_, ui_, dir_.path());
    window_->ShowState();
    window_->show();
  }
  ~EditorTest() override { EXPECT_TRUE(ui_.Done()) << "prompts left in the script"; }

  template <typename T>
  T* W(const char* name) {
    return test::Child<T>(window_.get(), name);
  }
  FieldEdit* Edit(const char* name) { return W<FieldEdit>(name); }
  ChoiceBox* Box(const char* name) { return W<ChoiceBox>(name); }
  TriStateBox* Check(const char* name) { return W<TriStateBox>(name); }
  QListWidget* List() { return W<QListWidget>("StudentList"); }
  RecordEditor* Editor() { return window_->Editor(); }
  QPushButton* Command(CommandButton which) { return window_->CommandButtons()->Button(which); }
  core::StudentRecord& Rec(size_t slot) { return state_.Data.Table.At(slot); }

  void ClickPage(app::EditorPage page) {
    W<QAbstractButton>(("PageButton" + std::to_string(static_cast<int>(page))).c_str())->click();
  }

  QAction* MenuAction(const char* name) {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
  }

  // Waits for the next message box of the Qt layer itself (not one of the
  // scripted interaction) and returns its text after closing it.
  QString NextMessageBox(const std::function<void()>& trigger) {
    auto text = std::make_shared<QString>();
    auto seen = std::make_shared<bool>(false);
    test::WhenModal<QMessageBox>([text, seen](QMessageBox* box) {
      *text = box->text();
      *seen = true;
      box->accept();
    });
    trigger();
    EXPECT_TRUE(QTest::qWaitFor([seen]() { return *seen; }, 10000));
    return *text;
  }

  test::TempDir dir_;
  app::AppState state_;
  test::ScriptedInteraction ui_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace tolka::ui
