#include "ui/dialogs/name_list_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/io_error.h"
#include "ui/dialogs/settings_window_parts.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

struct Texts {
  const char* ObjectName;
  const char* Caption;  // UTF-8
  const char* EntryLabel;
  const char* AddButton;
  const char* DeleteButton;
  const char* ListLabel;
};

Texts TextsOf(settings::NameListKind kind) {
  switch (kind) {
    case settings::NameListKind::ProjectCourses:
      return {"TPKurseForm",     "Liste der Projektkurse", "neuer Kurs:",
              "Kurs übernehmen", "Kurs löschen",           "aktuelle Kursliste"};
    case settings::NameListKind::Tutors:
      return {"TTutorenForm",     "Tutorenliste der Schule", "neuer Tutor:",
              "Tutor übernehmen", "Tutor löschen",           "Tutorenliste"};
    case settings::NameListKind::Classes:
      break;
  }
  return {"TKlassenForm",      "Klassenliste der Schule", "neue Klasse:",
          "Klasse übernehmen", "Klasse löschen",          "Klassenliste"};
}

}  // namespace

NameListWindow::NameListWindow(settings::NameListKind kind, app::AppState& state,
                               core::Interaction& ui, QWidget* parent)
    : QDialog(parent), kind_(kind), state_(state), ui_(ui) {
  const Texts t = TextsOf(kind);
  setObjectName(QString::fromLatin1(t.ObjectName));
  setWindowTitle(QString::fromUtf8(t.Caption));
  setModal(true);

  auto* entry_label = new QLabel(QString::fromUtf8(t.EntryLabel), this);
  entry_ = new QLineEdit(this);
  entry_->setObjectName(QStringLiteral("EntryEdit"));
  entry_label->setBuddy(entry_);
  auto* add = NamedButton(QString::fromUtf8(t.AddButton), "AddButton", this);
  auto* remove = NamedButton(QString::fromUtf8(t.DeleteButton), "DeleteButton", this);
  auto* list_label = new QLabel(QString::fromUtf8(t.ListLabel), this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("EntryList"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_label->setBuddy(list_);
  auto* finish = NamedButton(QStringLiteral("Beenden"), "FinishButton", this);
  auto* cancel = NamedButton(QStringLiteral("Abbrechen"), "CancelButton", this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(entry_label, 0, 0);
  grid->addWidget(entry_, 1, 0);
  grid->addWidget(add, 1, 1);
  grid->addWidget(list_label, 2, 0);
  grid->addWidget(list_, 3, 0, 3, 1);
  grid->addWidget(remove, 3, 1, Qt::AlignTop);
  grid->addWidget(finish, 4, 1, Qt::AlignBottom);
  grid->addWidget(cancel, 5, 1, Qt::AlignBottom);
  resize(420, 360);

  connect(add, &QPushButton::clicked, this, &NameListWindow::Add);
  connect(entry_, &QLineEdit::returnPressed, this, &NameListWindow::Add);
  connect(remove, &QPushButton::clicked, this, &NameListWindow::Delete);
  connect(finish, &QPushButton::clicked, this, &NameListWindow::Finish);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool NameListWindow::Run() {
  const auto loaded = settings::OpenNameListEditor(kind_, state_.Dirs, state_.CentralLists(), ui_);
  if (!loaded) return false;
  entries_ = *loaded;
  entry_->clear();
  ShowEntries();
  entry_->setFocus();
  CentreOnParent(this);
  return exec() == QDialog::Accepted;
}

void NameListWindow::ShowEntries() {
  list_->clear();
  for (const auto& entry : entries_) list_->addItem(FromCore(entry));
}

void NameListWindow::Add() {
  const auto text = TypedTextToCore(this, entry_->text());
  if (!text) return;
  const std::string refusal = settings::AddNameListEntryChecked(kind_, entries_, *text);
  if (!refusal.empty()) {
    ui_.Tell(core::Icon::Error, refusal);
    entry_->setFocus();
    entry_->selectAll();
    return;
  }
  ShowEntries();
}

void NameListWindow::Delete() {
  const int row = list_->currentRow();
  if (row < 0 || list_->selectedItems().isEmpty()) return;
  entries_.erase(entries_.begin() + row);
  ShowEntries();
}

void NameListWindow::Finish() {
  try {
    settings::SaveNameList(kind_, state_.Dirs, state_.CentralLists(), entries_);
  } catch (const IoError& e) {
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  accept();
}

}  // namespace tolka::ui

#include "moc_name_list_window.cpp"
