#include "ui/editor/record_editor.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/editor/course_choice_page.h"
#include "ui/editor/editor_fields.h"
#include "ui/editor/intro_phase_page.h"
#include "ui/editor/languages_page.h"
#include "ui/editor/learning_achievement_page.h"
#include "ui/editor/page_selector.h"
#include "ui/editor/personal_page.h"
#include "ui/editor/project_courses_page.h"
#include "ui/editor/remarks_page.h"
#include "ui/editor/results_page.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

using app::EditorPage;

constexpr int kPageMaximumWidth = 900;

}  // namespace

RecordEditor::RecordEditor(app::AppState& state, core::Interaction& ui, QWidget* parent)
    : QWidget(parent), state_(state), ui_(ui), notices_(new InputNotices(this)) {
  setObjectName(QStringLiteral("RecordEditor"));
  QStringList captions;
  for (size_t p = 0; p < app::kEditorPageCount; ++p) {
    captions << FromCore(app::PageCaption(static_cast<EditorPage>(p)));
  }
  selector_ = new PageSelector(captions, this);
  stack_ = new QStackedWidget(this);
  stack_->setObjectName(QStringLiteral("EditorPages"));

  pages_ = {new PersonalPage(nullptr, notices_),   new LanguagesPage(nullptr, notices_),
            new IntroPhasePage(nullptr, notices_), new CourseChoicePage(nullptr, notices_),
            new ResultsPage(nullptr, notices_),    new SpecialWorkPage(nullptr, notices_),
            new RemarksPage(nullptr, notices_),    new ProjectCoursesPage(nullptr, notices_)};
  for (RecordPage* page : pages_) {
    // Tall pages scroll; the others simply fill the area.
    auto* scroll = new QScrollArea(stack_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // In a maximised window the fields do not stretch over the whole screen:
    // a page grows to a readable width and stays at the left.
    page->setMaximumWidth(kPageMaximumWidth);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(page);
    stack_->addWidget(scroll);
  }
  selector_->SetCurrent(0);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(selector_);
  layout->addWidget(stack_, 1);

  connect(selector_, &PageSelector::PageClicked, this,
          [this](int page) { SwitchPage(static_cast<EditorPage>(page)); });
  auto* course_page = static_cast<CourseChoicePage*>(Page(EditorPage::CourseChoice));
  connect(course_page, &CourseChoicePage::ProjectCoursesRequested, this,
          [this]() { TurnToPage(EditorPage::ProjectCourses); });
  connect(course_page, &CourseChoicePage::SpecialWorkRequested, this,
          [this]() { TurnToPage(EditorPage::SpecialWork); });

  // Ctrl+Tab and Ctrl+Page Down turn to the next page, Ctrl+Shift+Tab and
  // Ctrl+Page Up to the previous one, as a click on its caption does.
  const auto step = [this](int delta) {
    const int count = static_cast<int>(app::kEditorPageCount);
    const int next = (static_cast<int>(ActivePage()) + delta + count) % count;
    SwitchPage(static_cast<EditorPage>(next));
  };
  const auto shortcut = [this](const QKeySequence& keys, int delta, const auto& on) {
    auto* s = new QShortcut(keys, this);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, [on, delta]() { on(delta); });
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1, step);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1, step);
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1, step);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1, step);

  // A refused character is shown once the key press that brought it is
  // undone; so is a refused points, mark or date text and a paste that did
  // not fit; a full free text is noted in the status line.
  connect(notices_, &InputNotices::CharacterRefused, this, &RecordEditor::ShowRefusedCharacter);
  connect(notices_, &InputNotices::Refused, this, &RecordEditor::ShowRefusal);
  connect(notices_, &InputNotices::Note, this, &RecordEditor::StatusNote);

  // Every control is named for a screen reader (and for tests) by its label;
  // the grids name theirs by row and column when a record is shown.
  for (QLabel* label : findChildren<QLabel*>()) {
    QWidget* buddy = label->buddy();
    if (buddy == nullptr || !buddy->accessibleName().isEmpty()) continue;
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char(':'))) name.chop(1);
    buddy->setAccessibleName(name.simplified());
  }
  const std::pair<const char*, const char*> groups[] = {{"Salutation", "Anrede"},
                                                        {"Graecum", "Graecum"},
                                                        {"Latinum", "Latinum"},
                                                        {"Hebraicum", "Hebraicum"}};
  for (const auto& [name, caption] : groups) {
    if (auto* group = findChild<RadioGroup*>(QString::fromLatin1(name))) {
      group->setAccessibleName(QString::fromLatin1(caption));
    }
  }
}

void RecordEditor::RebuildItemLists() {
  lists_ = app::BuildItemLists(state_.Catalogue, state_.Dirs, ui_);
}

RecordPage* RecordEditor::Page(EditorPage page) const { return pages_[static_cast<size_t>(page)]; }

EditorPage RecordEditor::ActivePage() const {
  return static_cast<EditorPage>(stack_->currentIndex());
}

app::EditorValues RecordEditor::Values() {
  // Points, marks and the date still being typed are settled (or refused)
  // before they are read.
  if (!read_only_) {
    for (FieldEdit* edit : findChildren<FieldEdit*>()) edit->Settle();
  }
  app::EditorValues values = shown_.Values;
  for (const RecordPage* page : pages_) page->Collect(values);
  return values;
}

void RecordEditor::ShowRecord(size_t slot) { Present(app::ShowRecord(state_, lists_, slot), slot); }

void RecordEditor::Present(const app::ShownRecord& shown, size_t slot) {
  shown_ = shown;
  slot_ = slot;
  for (RecordPage* page : pages_) page->Show(shown_);
  const bool enciphered = state_.Data.ShownEnciphered;
  // The main window's status line says why (its own field).
  if (enciphered != read_only_) SetReadOnly(enciphered);
  Q_EMIT Refreshed();
}

void RecordEditor::Apply(const app::EditorStep& step) {
  app::ShowCourseWarnings(step.Transfer, ui_);
  Present(step.Shown, step.Current);
}

void RecordEditor::SwitchPage(EditorPage page) {
  if (page == ActivePage()) return;
  const app::EditorValues values = Values();
  stack_->setCurrentIndex(static_cast<int>(page));
  selector_->SetCurrent(static_cast<int>(page));
  Apply(app::SwitchPage(state_, lists_, slot_, values));
  Q_EMIT Transferred();
}

void RecordEditor::TurnToPage(EditorPage page) {
  stack_->setCurrentIndex(static_cast<int>(page));
  selector_->SetCurrent(static_cast<int>(page));
  Q_EMIT Refreshed();
}

void RecordEditor::SelectStudent(size_t clicked) {
  Apply(app::SelectStudent(state_, lists_, slot_, clicked, Values()));
  Q_EMIT Transferred();
}

void RecordEditor::TakeOverData() {
  Apply(app::TakeOverData(state_, lists_, slot_, Values()));
  Q_EMIT Transferred();
}

void RecordEditor::DiscardData() { Apply(app::DiscardData(state_, lists_, slot_)); }

void RecordEditor::TransferIntoRecord() {
  const app::TransferResult result = app::Transfer(state_, slot_, Values());
  app::ShowCourseWarnings(result, ui_);
  Q_EMIT Refreshed();
  Q_EMIT Transferred();
}

void RecordEditor::SetReadOnly(bool read_only) {
  read_only_ = read_only;
  for (FieldEdit* edit : findChildren<FieldEdit*>()) edit->setReadOnly(read_only);
  for (FreeTextEdit* edit : findChildren<FreeTextEdit*>()) edit->setReadOnly(read_only);
  for (ChoiceBox* box : findChildren<ChoiceBox*>()) box->setEnabled(!read_only);
  for (TriStateBox* box : findChildren<TriStateBox*>()) box->setEnabled(!read_only);
  for (RadioGroup* group : findChildren<RadioGroup*>()) group->SetReadOnly(read_only);
}

void RecordEditor::ShowRefusal(const QString& message) {
  // Shown after the focus change or key press that brought it; one box for
  // several refusals of one transfer.
  pending_refusals_ << message;
  if (pending_refusals_.size() > 1) return;
  QTimer::singleShot(0, this, [this]() {
    pending_refusals_.removeDuplicates();
    const QString text = pending_refusals_.join(QStringLiteral("\n\n"));
    ShowMessageBox(window(), core::Icon::Error, text, core::Buttons::Ok);
    pending_refusals_.clear();
  });
}

void RecordEditor::ShowRefusedCharacter(const QString& character) {
  if (refusal_pending_) return;
  refusal_pending_ = true;
  QTimer::singleShot(0, this, [this, character]() {
    ShowMessageBox(window(), core::Icon::Error, UnstorableCharacterMessage(character),
                   core::Buttons::Ok);
    refusal_pending_ = false;
  });
}

}  // namespace tolka::ui

#include "moc_record_editor.cpp"
