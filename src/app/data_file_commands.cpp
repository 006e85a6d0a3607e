#include "app/data_file_commands.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "app/data_file_lock.h"
#include "app/data_password.h"
#include "app/recovery.h"
#include "app/startup.h"
#include "core/file_io.h"
#include "core/io_error.h"

namespace tolka::app {

const char* const kWrongPasswordMessage =
    "Das eingegebene Passwort ist FALSCH!\r\rDie Daten können nicht richtig entschlüsselt "
    "werden!\r\rSpeichern Sie verschlüsselt angezeigte Daten NIEMALS ab!\rDies führt fast immer "
    "zum vollständigen Datenverlust!";

namespace {

namespace fs = std::filesystem;
using core::Answer;
using core::Buttons;
using core::Icon;

constexpr const char* kAskSaveBeforeNew =
    "Die Daten der aktuellen Datei/Sitzung\rwurden eventuell noch nicht gesichert!\rWollen Sie die "
    "Daten jetzt erst sichern?";
constexpr const char* kAskSaveBeforeOpen =
    "Die Daten der aktuellen Datei/Sitzung\rwurden eventuell geändert!\rWollen Sie die Daten jetzt "
    "erst sichern/speichern?";
const char* const kWrongPassword = kWrongPasswordMessage;
constexpr const char* kAskOverwrite = "Soll die vorhandene Datei überschrieben werden?";
constexpr const char* kNoFileYet =
    "Es existiert noch keine Datei!\r\rLegen Sie eine neue Datei an oder Öffnen Sie eine "
    "vorhandene!";
// Saving data that are shown enciphered would store the undeciphered bytes
// as if they were the records (and encipher them a second time): refused.
constexpr const char* kShownEncipheredNotSaved =
    "Die Daten werden verschlüsselt angezeigt und werden NICHT gespeichert!\r\rDas Passwort "
    "wurde falsch oder nicht eingegeben. Öffnen Sie die Datei erneut mit dem richtigen "
    "Passwort\roder legen Sie eine neue Datei an!";
constexpr const char* kSettingsNotCentral =
    "Sie haben die Daten-Datei in einen anderen Ordner gespeichert!\rDa Sie die Programm-, "
    "Druck- u. Fächer-Einstellungen nicht zentral\rverwalten, können Probleme bei der "
    "Datenauswertung auftreten!\r\rPrüfen Sie die Einstellung oder Kopieren sie bei Bedarf auch "
    "die\rbetreffenden Einstellungs-Dateien!";
constexpr const char* kListsNotCentral =
    "Sie haben die Daten-Datei in einen anderen Ordner gespeichert!\rDa Sie die Projektkurs-, "
    "Klassen- und Tutoren-Listen nicht zentral\rverwalten, können Probleme bei der Anzeige der "
    "Elemente auftreten!\r\rPrüfen Sie die Einstellung oder Kopieren sie bei Bedarf auch "
    "die\rbetreffenden Dateien oder Ergänzen Sie die Listen!";
// Save of a titled file that another program or workstation wrote since this
// session opened or last saved it (a shared network folder): asked before the
// other program's data are overwritten.
constexpr const char* kChangedOnDiskStart = "Die Datei\r";
constexpr const char* kChangedOnDiskEnd =
    "\rwurde seit dem Öffnen bzw. letzten Speichern von einem anderen Programm oder "
    "Arbeitsplatz geändert!\r\rSoll sie trotzdem überschrieben werden?";
// A data file that may not be written (no write permission, or a
// write-protected folder): Save never writes over it, Open reads it for
// reading only, and Open goes on without the ".BAK" copy it cannot write.
constexpr const char* kSaveElsewhereStart = "Die Datei\r";
constexpr const char* kSaveElsewhereEnd =
    "\rist schreibgeschützt und wird nicht überschrieben.\rBitte speichern Sie die Daten unter "
    "einem anderen Namen.";
constexpr const char* kChooseWritableEnd = "\rBitte wählen Sie einen anderen Namen oder Ordner.";
constexpr const char* kOpenedReadOnlyEnd =
    "\rist schreibgeschützt (oder liegt in einem schreibgeschützten Ordner).\rSie wird nur zum "
    "Lesen geöffnet: Änderungen können nur unter einem anderen Namen\rgespeichert werden.";
constexpr const char* kNoOpenBackupStart = "Die Sicherungskopie\r";
constexpr const char* kNoOpenBackupMiddle = "\rkonnte nicht angelegt werden:\r";
constexpr const char* kNoOpenBackupEnd = ".\r\rDie Datei wird trotzdem geöffnet.";
constexpr const char* kAskLeave = "Wollen Sie das Programm jetzt wirklich beenden?";
constexpr const char* kAskSaveOnLeave =
    "Die Daten wurden geändert!\r\rSollen die Änderungen gespeichert werden?";

core::FileDialogRequest DataFileDialog(const AppState& state, const std::string& initial_name) {
  core::FileDialogRequest request;
  request.Filter = kDataFileFilter;
  request.DefaultExtension = kDataFileExtension;
  request.InitialDirectory = state.Dirs.Data;
  request.InitialName = initial_name;
  return request;
}

fs::path Absolute(const fs::path& path) {
  std::error_code ec;
  fs::path result = fs::absolute(path, ec);
  return ec ? path : result.lexically_normal();
}

fs::file_time_type WriteTimeOf(const fs::path& path) {
  std::error_code ec;
  const fs::file_time_type time = fs::last_write_time(path, ec);
  return ec ? fs::file_time_type{} : time;
}

bool SameDirectory(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  const bool same = fs::equivalent(a, b, ec);
  if (!ec) return same;
  return a.lexically_normal() == b.lexically_normal();
}

// The ".BAK" copy of Open: the data file's full name with its last three
// characters replaced by "BAK" (JG2024.TLK -> JG2024.BAK). The replacement
// stays inside the file's own name: a name of fewer than three characters
// gets ".BAK" appended instead of eating into its directory.
fs::path OpenBackupPath(const fs::path& data_file) {
  std::string name = data_file.filename().string();
  if (name.size() >= 3) {
    name.replace(name.size() - 3, 3, "BAK");
  } else {
    name += ".BAK";
  }
  return data_file.parent_path() / name;
}

// A new password field text: the bytes after it are written fresh, so no part
// of an earlier scrambled password stays in the file.
void ReplacePasswordField(DataSession& data, const std::string& field) {
  if (field == data.PasswordField) return;
  data.PasswordField = field;
  data.PasswordFieldCarried.fill(0);
}

// Settings and lists follow the data directory unless they are kept
// centrally (after every Save and Save As, written or not).
void RepointDirectories(AppState& state) {
  state.Dirs.ReevaluateSettings(state.CentralSettings());
  state.Dirs.ReevaluateLists(state.CentralLists());
}

bool EncryptionWanted(const AppState& state) {
  return state.General.EncryptData == 1 || state.General.AlwaysEncrypt == 1;
}

std::string Quoted(const fs::path& path) { return "\x84" + core::PathText(path) + "\x93"; }

// The question of New and Open about unsaved data: Yes runs Save, and the
// command goes on only when that Save completed; No discards; Cancel (Escape,
// the close box) ends the command and keeps the data.
bool OfferSave(AppState& state, core::Interaction& ui, const char* question) {
  if (!state.Data.Modified) return true;
  switch (ui.Ask(Icon::Warning, question, Buttons::YesNoCancel)) {
    case Answer::Yes:
      return SaveData(state, ui);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

// The current data file with its directory; empty for new data.
fs::path CurrentDataFile(const AppState& state) {
  if (state.Data.IsUntitled() || state.Data.CurrentFileName.empty()) return {};
  return Absolute(state.Dirs.Data / state.Data.CurrentFileName);
}

// Save steps 5 to 7: the password field, the enciphered block written through
// a temporary file, then the written file becomes the current file. Nothing
// in memory changes before the file is complete; IoError leaves the old file
// and the state as they were. A file other than the current one gets this
// session's lock first (false: another program holds it, nothing written);
// once written, the lock of the old file is given back.
bool WriteDataFile(AppState& state, core::Interaction& ui, const fs::path& target, bool protect) {
  // A file opened read-only may be held by another program: writing it
  // again under its own name needs the lock as much as another file does.
  const bool other_file = Absolute(target) != CurrentDataFile(state) || state.Data.ReadOnly;
  bool locked = !other_file && state.Session.LockedDataFile == Absolute(target);
  if (other_file) {
    const LockOutcome lock = TakeDataFileLock(ui, Absolute(target), LockPurpose::Save);
    if (lock == LockOutcome::Cancelled) return false;
    locked = lock == LockOutcome::Locked;
  }
  DataSession next = state.Data;
  // Only data that are to be protected take the entered password; otherwise
  // the file is written without one.
  ReplacePasswordField(next, protect ? core::ScramblePassword(next.EnteredPassword) : "");
  next.Protected = !next.PasswordField.empty();
  try {
    core::SaveFileAtomically(target, next.BlockForWriting());
  } catch (const IoError&) {
    if (other_file && locked) ReleaseDataFileLock(ui, Absolute(target));
    throw;
  }
  if (other_file) KeepDataFileLock(state, ui, locked ? Absolute(target) : fs::path());

  ui.ShowSavingWindow();
  next.Modified = false;
  next.ReadOnly = false;
  next.CurrentFileName = target.filename().string();
  next.LastWriteTime = WriteTimeOf(target);
  state.Data = std::move(next);
  state.Dirs.Data = target.parent_path();
  return true;
}

// Shows the save dialog; an existing file needs the overwrite question
// answered Yes. Nothing on Cancel or No.
std::optional<fs::path> ChooseSaveTarget(AppState& state, core::Interaction& ui,
                                         const std::string& initial_name) {
  const auto chosen = ui.SaveFileDialog(DataFileDialog(state, initial_name));
  if (!chosen) return std::nullopt;
  const fs::path target = Absolute(*chosen);
  if (core::IsWriteProtected(target)) {
    ui.Tell(Icon::Error, core::FileError(EACCES, target, core::IoAccess::Write).what() +
                             std::string(kChooseWritableEnd));
    return std::nullopt;
  }
  std::error_code ec;
  if (fs::exists(target, ec) &&
      ui.Ask(Icon::Information, kAskOverwrite, Buttons::YesNo) != Answer::Yes) {
    return std::nullopt;
  }
  return target;
}

// True when `target` exists and its modification time is no longer the one
// recorded when this session last opened or saved it (also when it cannot be
// read, or none was recorded: the file was written by someone else).
bool ChangedOnDisk(const DataSession& data, const fs::path& target) {
  std::error_code ec;
  if (!fs::exists(target, ec)) return false;
  return WriteTimeOf(target) != data.LastWriteTime || data.LastWriteTime == fs::file_time_type{};
}

// The question before a titled Save overwrites a file changed on disk; No
// writes nothing.
bool MayOverwriteChangedFile(const AppState& state, core::Interaction& ui, const fs::path& target) {
  if (!ChangedOnDisk(state.Data, target)) return true;
  const std::string question =
      std::string(kChangedOnDiskStart) + core::PathText(target) + kChangedOnDiskEnd;
  // No is the default: a hasty Enter must not destroy another user's work.
  return ui.Ask(Icon::Warning, question, Buttons::YesNoDefaultNo) == Answer::Yes;
}

bool RefuseShownEnciphered(const AppState& state, core::Interaction& ui) {
  if (!state.Data.ShownEnciphered) return false;
  ui.Tell(Icon::Warning, kShownEncipheredNotSaved);
  return true;
}

bool SaveAsSteps(AppState& state, core::Interaction& ui);

bool SaveSteps(AppState& state, core::Interaction& ui) {
  if (RefuseShownEnciphered(state, ui)) return false;
  if (state.Data.CurrentFileName.empty()) {
    ui.Tell(Icon::Error, kNoFileYet);
    return false;
  }
  fs::path target;
  if (state.Data.IsUntitled()) {
    // No to the overwrite question leaves the data untitled: the next Save
    // asks for a name again instead of writing over the file unasked.
    const auto chosen = ChooseSaveTarget(state, ui, "");
    if (!chosen) return false;
    target = *chosen;
  } else {
    target = state.Dirs.Data / state.Data.CurrentFileName;
    if (state.Data.ReadOnly || core::IsWriteProtected(target)) {
      ui.Tell(Icon::Information, kSaveElsewhereStart + Quoted(target) + kSaveElsewhereEnd);
      return SaveAsSteps(state, ui);
    }
    if (!MayOverwriteChangedFile(state, ui, target)) return false;
  }
  const bool protect = EncryptionWanted(state) || state.Data.Protected;
  if (protect && (state.Data.PasswordField.empty() || state.Data.EnteredPassword.empty())) {
    if (!DefineDataPassword(state.Data, ui)) return false;
  }
  return WriteDataFile(state, ui, target, protect);
}

bool SaveAsSteps(AppState& state, core::Interaction& ui) {
  if (RefuseShownEnciphered(state, ui)) return false;
  const auto target = ChooseSaveTarget(state, ui, state.Data.CurrentFileName);
  if (!target) return false;
  // A new file gets a newly defined password whenever encryption is set.
  if (EncryptionWanted(state) || (state.Data.Protected && state.Data.EnteredPassword.empty())) {
    if (!DefineDataPassword(state.Data, ui)) return false;
  }
  const bool protect = EncryptionWanted(state) || state.Data.Protected;
  const fs::path old_data_dir = state.Dirs.Data;
  if (!WriteDataFile(state, ui, *target, protect)) return false;
  if (!SameDirectory(old_data_dir, state.Dirs.Data)) {
    if (!state.CentralSettings()) ui.Tell(Icon::Warning, kSettingsNotCentral);
    if (!state.CentralLists()) ui.Tell(Icon::Warning, kListsNotCentral);
  }
  return true;
}

template <typename Steps>
bool SaveRepointing(AppState& state, core::Interaction& ui, Steps steps) {
  bool done = false;
  try {
    done = steps(state, ui);
  } catch (...) {
    RepointDirectories(state);
    throw;
  }
  RepointDirectories(state);
  // The changes are in the file: the recovery copy has done its part.
  if (done) RemoveRecoveryCopy(state, ui);
  return done;
}

// Open steps 3 to 8 for a chosen file. False when the user cancelled
// because another program holds the file: nothing changed.
bool OpenChosenFile(AppState& state, core::Interaction& ui, const fs::path& chosen) {
  const fs::path path = Absolute(chosen);
  // A file shorter than the block ends the command here: nothing is written
  // and nothing in memory changes.
  const core::DataFileBlock buffer = ReadDataFileBlock(path);
  const fs::file_time_type write_time = WriteTimeOf(path);
  const bool write_protected = core::IsWriteProtected(path);
  // The lock is taken before anything is written beside the file. A file
  // opened read-only takes none; the session's own file keeps its lock.
  bool locked = state.Session.LockedDataFile == path;
  bool held_elsewhere = false;
  if (!write_protected && !locked) {
    const std::optional<OpenLock> lock = LockForOpening(ui, path);
    if (!lock) return false;
    held_elsewhere = lock->HeldElsewhere;
    locked = lock->Locked;
  }
  const fs::path backup = OpenBackupPath(path);
  // A file whose name already ends in "BAK" is its own copy. A copy that
  // cannot be written (a read-only share of archived year groups) does not
  // keep the file from being read. A file another program holds open is
  // only read: its ".BAK" is the other program's.
  if (!held_elsewhere && !SameDirectory(backup, path)) {
    try {
      core::SaveFileAtomically(backup, buffer);
    } catch (const IoError& e) {
      ui.Tell(Icon::Warning, kNoOpenBackupStart + Quoted(backup) + kNoOpenBackupMiddle + e.Cause() +
                                 kNoOpenBackupEnd);
    }
  }
  const bool read_only = write_protected || held_elsewhere;
  if (write_protected) {
    ui.Tell(Icon::Information, kSaveElsewhereStart + Quoted(path) + kOpenedReadOnlyEnd);
  }

  DataSession& data = state.Data;
  data.CurrentFileName = path.filename().string();
  state.Dirs.Data = path.parent_path();
  data.LastWriteTime = write_time;
  data.ReadOnly = read_only;
  LoadDataBlock(data, ui, buffer);

  ReloadSettingsForDataDirectory(state, ui);
  data.Modified = false;
  KeepDataFileLock(state, ui, locked ? path : fs::path());
  // The data before were saved or given up at the save question.
  RemoveRecoveryCopy(state, ui);
  return true;
}

}  // namespace

void LoadDataBlock(DataSession& data, core::Interaction& ui, const core::DataFileBlock& block) {
  data.ShownEnciphered = false;
  data.PasswordField = core::GetPasswordField(block);
  std::copy(block.begin() + core::kPasswordFieldOffset, block.end(),
            data.PasswordFieldCarried.begin());
  data.Protected = !data.PasswordField.empty();
  if (!data.Protected) {
    data.Table = core::DecodeTable(block);
    return;
  }
  const PasswordQueryOutcome outcome = QueryDataPassword(data, ui, data.PasswordField);
  if (outcome == PasswordQueryOutcome::Accepted) {
    core::DataFileBlock plain = block;
    core::ApplyCipher(plain, data.PasswordField, data.Variant);
    data.Table = core::DecodeTable(plain);
  } else {
    if (outcome == PasswordQueryOutcome::Wrong) ui.Tell(Icon::Error, kWrongPassword);
    data.Table = core::DecodeTable(block);
    data.ShownEnciphered = true;
  }
}

bool NewData(AppState& state, core::Interaction& ui) {
  if (!OfferSave(state, ui, kAskSaveBeforeNew)) return false;
  KeepDataFileLock(state, ui, fs::path());
  RemoveRecoveryCopy(state, ui);
  DataSession& data = state.Data;
  data.Table.Initialise(settings::IntroPhaseDefaultsOf(state.Catalogue));
  data.CurrentFileName = kUntitledName;
  data.ShownEnciphered = false;
  data.ReadOnly = false;
  // "Daten verschlüsseln": the new data take the entered password (none when
  // no password was entered since the start). Protected follows the field,
  // so a backup written now is enciphered with the password it carries.
  ReplacePasswordField(
      data, state.General.EncryptData == 1 ? core::ScramblePassword(data.EnteredPassword) : "");
  data.Protected = !data.PasswordField.empty();
  data.Modified = false;
  data.Variant = core::CipherVariant::Neu;
  data.LastWriteTime = {};
  return true;
}

bool OpenData(AppState& state, core::Interaction& ui) {
  if (!OfferSave(state, ui, kAskSaveBeforeOpen)) return false;
  const auto chosen = ui.OpenFileDialog(DataFileDialog(state, ""));
  if (!chosen) return false;  // Cancel changes nothing, the modified flag included
  return OpenChosenFile(state, ui, *chosen);
}

bool OpenDataFile(AppState& state, core::Interaction& ui, const fs::path& path) {
  if (!OfferSave(state, ui, kAskSaveBeforeOpen)) return false;
  return OpenChosenFile(state, ui, path);
}

bool SaveData(AppState& state, core::Interaction& ui) {
  return SaveRepointing(state, ui, SaveSteps);
}

bool SaveDataAs(AppState& state, core::Interaction& ui) {
  return SaveRepointing(state, ui, SaveAsSteps);
}

void WriteShutdownBackup(AppState& state) {
  core::SaveFileAtomically(core::TargetPath(state.Dirs.Data, kBackupFileName),
                           state.Data.BlockForWriting());
}

bool LeaveProgram(AppState& state, core::Interaction& ui) {
  if (ui.Ask(Icon::Confirmation, kAskLeave, Buttons::YesNo) != Answer::Yes) return false;
  bool may_close = true;
  const Answer save = state.Data.Modified
                          ? ui.Ask(Icon::Warning, kAskSaveOnLeave, Buttons::YesNoCancel)
                          : Answer::No;
  // Escape or the close box of the question: the program stays open.
  if (save == Answer::Cancel) return false;
  if (save == Answer::Yes) {
    try {
      may_close = state.Data.IsUntitled() ? SaveDataAs(state, ui) : SaveData(state, ui);
    } catch (const IoError& e) {
      ui.Tell(Icon::Error, e.what());
      may_close = false;
    }
  }
  // The backup is written in every case. A backup that cannot be written is
  // reported but does not keep the program open: the data themselves were
  // saved or the user chose not to save them.
  try {
    WriteShutdownBackup(state);
  } catch (const IoError& e) {
    ui.Tell(Icon::Error, e.what());
  }
  // Leaving normally: the data were saved or the user gave them up (No).
  if (may_close) {
    KeepDataFileLock(state, ui, fs::path());
    RemoveRecoveryCopy(state, ui);
  }
  return may_close;
}

}  // namespace tolka::app
