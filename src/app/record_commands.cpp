#include "app/record_commands.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <system_error>

#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/file_io.h"
#include "settings/subject_catalogue.h"

namespace tolka::app {

namespace {

using core::Icon;

constexpr const char* kShownEncipheredRefused =
    "Die Daten werden verschlüsselt angezeigt!\r\rSolange das richtige Passwort nicht "
    "eingegeben wurde,\rkönnen Schüler-Datensätze weder verändert noch in eine\randere Datei "
    "übertragen werden.";
constexpr const char* kListFull =
    "Die Schülerliste ist voll.\rDer Schüler-Datensatz kann nicht eingefügt werden!";
constexpr const char* kNoMatch = "Keine (weitere) Entsprechung gefunden!";
constexpr const char* kSearchWrapped =
    "Das Ende der Schülerliste wurde erreicht.\rDie Suche wurde am Anfang der Liste "
    "fortgesetzt.";

constexpr const char* kTransferTitleCopy = "Schüler-Datensatz in die Datei ...";
constexpr const char* kTargetMissingStart = "Eine Datei mit dem Namen:\r";
constexpr const char* kTargetMissingEnd =
    "Existiert nicht! Erstellen Sie diese eventuell zuerst neu!";
constexpr const char* kTargetIsCurrentFile =
    "Die ausgewählte Datei ist die aktuell geöffnete Datei.\rDer Schüler-Datensatz kann nicht "
    "in dieselbe Datei übertragen werden!";
constexpr const char* kAskAppend =
    "Sollen der aktuelle Schüler-Datensatz an die ausgewählte Datei angehängt werden?";
constexpr const char* kTargetWrongPassword =
    "Das eingegebene Passwort ist FALSCH!\r\rDie Zieldatei wurde nicht verändert,\rder "
    "Schüler-Datensatz wurde nicht übertragen!";
constexpr const char* kTargetFullCopy =
    "Die Zieldatei ist voll.\rDer Schüler-Datensatz konnte nicht kopiert werden!";
constexpr const char* kTargetFullCut =
    "Die Zieldatei ist voll.\rDer Schüler-Datensatz konnte nicht verschoben werden!";

core::StudentRecord FreshRecord(const AppState& state) {
  return core::InitialisedRecord(settings::IntroPhaseDefaultsOf(state.Catalogue));
}

constexpr const char* kTransferDoneStart = "Der Schüler-Datensatz\r";
constexpr const char* kTransferDoneCopied = "\rwurde in die Datei\r";
constexpr const char* kTransferDoneEnd = "\rauf Platz ";

// The name of a student as a message shows it: "Surname, GivenNames".
std::string StudentName(const core::StudentRecord& record) {
  std::string name = record.Surname;
  if (!record.GivenNames.empty()) name += ", " + record.GivenNames;
  return name;
}

// Asks for the search request and stores it (text cut to 40 characters).
bool AskSearchRequest(AppState& state, core::Interaction& ui) {
  std::optional<core::SearchRequest> answer = ui.SearchDialog(state.RecordList.Search);
  if (!answer) return false;
  answer->Text.resize(std::min(answer->Text.size(), core::kSearchTextCapacity));
  state.RecordList.Search = *answer;
  return true;
}

// The search from `start` to the end of the list, then from the top up to
// (not including) the current student, with a note that it went round.
std::optional<size_t> SearchFrom(AppState& state, core::Interaction& ui, size_t start,
                                 size_t current) {
  auto found = core::FindStudent(state.Data.Table, start, state.RecordList.Search);
  if (!found && current > 0) {
    found = core::FindStudent(state.Data.Table, 0, state.RecordList.Search, current);
    if (found) ui.Tell(Icon::Information, kSearchWrapped);
  }
  if (!found) {
    ui.Tell(Icon::Information, kNoMatch);
    state.RecordList.Search.Text.clear();
  }
  return found;
}

// The data file the session has open (nothing for untitled data).
bool IsCurrentDataFile(const AppState& state, const std::filesystem::path& target) {
  if (state.Data.IsUntitled()) return false;
  const auto current = core::FindFile(state.Dirs.Data, state.Data.CurrentFileName);
  if (!current) return false;
  std::error_code ec;
  return std::filesystem::equivalent(*current, target, ec);
}

std::span<uint8_t> SlotBytes(core::DataFileBlock& block, size_t slot) {
  return std::span(block).subspan(slot * core::record_layout::kRecordSize,
                                  core::record_layout::kRecordSize);
}

}  // namespace

bool RefusedWhileEnciphered(const AppState& state, core::Interaction& ui) {
  if (!state.Data.ShownEnciphered) return false;
  ui.Tell(Icon::Warning, kShownEncipheredRefused);
  return true;
}

bool ConfirmClearCredits(const AppState& state, core::Interaction& ui, size_t current) {
  const std::string question = "Sollen alle Kursanrechnungen von\r" +
                               StudentName(state.Data.Table.At(current)) +
                               "\rwirklich gelöscht werden?";
  return ui.Ask(Icon::Confirmation, question, core::Buttons::YesNo) == core::Answer::Yes;
}

void InitialiseRecordList(AppState& state) {
  state.RecordList.Clipboard = FreshRecord(state);
  state.RecordList.Search = core::SearchRequest{};
}

void CopyStudentRecord(AppState& state, size_t current) {
  core::CopyRecord(state.Data.Table, current, state.RecordList.Clipboard);
}

bool CutStudentRecord(AppState& state, core::Interaction& ui, size_t current) {
  if (RefusedWhileEnciphered(state, ui)) return false;
  core::CutRecord(state.Data.Table, current, state.RecordList.Clipboard,
                  settings::IntroPhaseDefaultsOf(state.Catalogue));
  state.Data.Modified = true;
  return true;
}

bool PasteStudentRecord(AppState& state, core::Interaction& ui, size_t current) {
  if (RefusedWhileEnciphered(state, ui)) return false;
  if (!core::PasteRecord(state.Data.Table, current, state.RecordList.Clipboard)) {
    ui.Tell(Icon::Information, kListFull);
    return false;
  }
  state.Data.Modified = true;
  return true;
}

bool SortStudents(AppState& state, core::Interaction& ui, size_t current, core::SortKey key) {
  if (RefusedWhileEnciphered(state, ui)) return false;
  if (core::SortBlock(state.Data.Table, current, key)) state.Data.Modified = true;
  return true;
}

std::optional<size_t> SearchStudent(AppState& state, core::Interaction& ui, size_t current) {
  if (!AskSearchRequest(state, ui)) return std::nullopt;
  return SearchFrom(state, ui, current, current);
}

std::optional<size_t> SearchNextStudent(AppState& state, core::Interaction& ui, size_t current) {
  if (state.RecordList.Search.Text.empty()) return SearchStudent(state, ui, current);
  return SearchFrom(state, ui, current + 1, current);
}

bool TransferStudentRecord(AppState& state, core::Interaction& ui, size_t current,
                           TransferKind kind) {
  if (current >= core::kListCount) throw std::out_of_range("current student outside 0..34");
  const core::StudentRecord& record = state.Data.Table.At(current);
  if (RefusedWhileEnciphered(state, ui)) return false;

  core::FileDialogRequest request;
  if (kind == TransferKind::Copy) request.Title = kTransferTitleCopy;
  request.Filter = kDataFileFilter;
  request.DefaultExtension = kDataFileExtension;
  request.InitialDirectory = state.Dirs.Program;
  const auto chosen = ui.SaveFileDialog(request);
  if (!chosen) return false;

  // The target must exist: it was made with New and Save before.
  const auto target = core::FindFile(chosen->parent_path(), chosen->filename().string());
  if (!target) {
    ui.Tell(Icon::Information,
            std::string(kTargetMissingStart) + core::PathText(*chosen) + "\r" + kTargetMissingEnd);
    return false;
  }
  if (IsCurrentDataFile(state, *target)) {
    ui.Tell(Icon::Information, kTargetIsCurrentFile);
    return false;
  }
  if (ui.Ask(Icon::Information, kAskAppend, core::Buttons::YesNo) != core::Answer::Yes) {
    return false;
  }

  core::DataFileBlock block = ReadDataFileBlock(*target);
  // A protected target is deciphered with its own password first, so the
  // free-slot scan sees the names and the added record can be read after the
  // target is opened with that password.
  const std::string field = core::GetPasswordField(block);
  if (!field.empty()) {
    const core::PasswordQueryAnswer answer = ui.PasswordQuery();
    if (!answer.Ok) return false;
    if (!core::PasswordMatches(answer.Password, field)) {
      ui.Tell(Icon::Error, kTargetWrongPassword);
      return false;
    }
    core::ApplyCipher(block, field, answer.Variant);
  }

  const auto slot = core::AppendSlot(core::DecodeTable(block));
  if (!slot) {
    ui.Tell(Icon::Information, kind == TransferKind::Copy ? kTargetFullCopy : kTargetFullCut);
    return false;
  }
  // Only the target slot's bytes change; the other records and the password
  // field stay as they were.
  core::EncodeStudentRecord(record, SlotBytes(block, *slot));
  if (!field.empty()) core::ApplyCipher(block, field, core::CipherVariant::Neu);
  core::SaveFileAtomically(*target, block);
  ui.ShowSavingWindow();
  ui.Tell(Icon::Information, kTransferDoneStart + StudentName(record) + kTransferDoneCopied +
                                 core::PathText(*target) + kTransferDoneEnd +
                                 std::to_string(*slot + 1) +
                                 (kind == TransferKind::Copy ? " kopiert." : " verschoben."));

  if (kind == TransferKind::Cut) {
    state.Data.Table.At(current) = FreshRecord(state);
    state.Data.Modified = true;
  }
  return true;
}

}  // namespace tolka::app
