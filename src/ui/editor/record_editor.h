// The record editor of the main window: eight pages that show one student
// and act as a buffer. What the user types stays in the controls until it is
// transferred into the record, which happens only when the user switches the
// page, selects another student or presses "Daten übernehmen"; "Daten
// verwerfen" shows the record again. Every rule (what counts as a change,
// the course-change warnings, the tutor and class copy, the template of the
// previous student) is app::RecordEditorModel's; the editor shows its values
// and hands the controls back.
//
// While the data are shown enciphered (opened without the right password)
// the model refuses every transfer, so the controls are read-only (the main
// window's status line says why).
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <cstddef>

#include "app/app_state.h"
#include "app/item_lists.h"
#include "app/record_editor_model.h"
#include "core/interaction.h"

class QStackedWidget;

namespace tolka::ui {

class InputNotices;
class PageSelector;
class RecordPage;

class RecordEditor : public QWidget {
  Q_OBJECT

 public:
  // Warnings of a transfer go to `ui`, one message box per affected row.
  RecordEditor(app::AppState& state, core::Interaction& ui, QWidget* parent);

  // The ten item lists from the subject catalogue and the name lists of the
  // list directory (on the first show of the window and whenever the data
  // directory may have changed). Does not show the record again.
  void RebuildItemLists();
  const app::ItemLists& ItemLists() const { return lists_; }

  // Show record (slot): every control from the record; the slot becomes the
  // one that the next transfer stores into.
  void ShowRecord(size_t slot);
  size_t Slot() const { return slot_; }

  // The controls as they stand (members of controls the editor does not
  // have as Show record gave them); points, marks and the date are settled
  // first, a refused one reported and read as its previous text.
  app::EditorValues Values();

  app::EditorPage ActivePage() const;
  // Switching the page as the user does: transfer, then show the record
  // again on the new page.
  void SwitchPage(app::EditorPage page);
  // Only turns to `page`, as the buttons "Projektkurse" and "Besondere
  // Lernleistung" do: nothing is transferred.
  void TurnToPage(app::EditorPage page);

  // Selecting a student: transfer into the shown (previous) student, copy
  // tutor and class for the clicked one, show it.
  void SelectStudent(size_t clicked);
  // "Daten übernehmen": transfer and show again (the caller rebuilds the
  // list).
  void TakeOverData();
  // "Daten verwerfen": show again; untransferred typing is dropped.
  void DiscardData();
  // Transfer without showing again: before the commands that write or
  // replace the data (New, Open, Save, Save As, leaving the program), so what
  // the user sees is what is saved or asked about.
  void TransferIntoRecord();

  bool ReadOnly() const { return read_only_; }
  RecordPage* Page(app::EditorPage page) const;

 Q_SIGNALS:
  // A record was shown or the page turned: the modified box and the
  // page-dependent command buttons follow.
  void Refreshed();
  // A text for the status line.
  void StatusNote(const QString& text);
  // What the editor held went into the record (a page switch, a click in the
  // list, "Daten übernehmen", the transfer before a command).
  void Transferred();

 private:
  void Apply(const app::EditorStep& step);
  void Present(const app::ShownRecord& shown, size_t slot);
  void SetReadOnly(bool read_only);
  void ShowRefusedCharacter(const QString& character);
  void ShowRefusal(const QString& message);

  app::AppState& state_;
  core::Interaction& ui_;
  app::ItemLists lists_;
  app::ShownRecord shown_;
  size_t slot_ = 0;
  bool read_only_ = false;
  bool refusal_pending_ = false;
  QStringList pending_refusals_;

  InputNotices* notices_;
  PageSelector* selector_;
  QStackedWidget* stack_;
  std::array<RecordPage*, app::kEditorPageCount> pages_{};
};

}  // namespace tolka::ui
