// The logic of the print settings window "Druck-Einstellungen"
// (`TEinstellDrkForm`) as plain functions over what the window shows, so the
// command runs headless in a test; the Qt window only shows a
// `PrintSettingsView` and calls these functions for its buttons.
//
// The window works on a copy: the settings in force change only after
// DRKEINST.DAT was written, and a file that cannot be read when the window
// opens leaves them untouched.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/directories.h"
#include "core/interaction.h"
#include "print/print_settings.h"

namespace tolka::print {

// The margins the window accepts. Margins are tenths of a millimetre added
// to device positions; beyond a metre either way the position arithmetic of
// a page (16-bit entries plus the margin, times the resolution) overflows.
inline constexpr int32_t kMarginMin = -9999;
inline constexpr int32_t kMarginMax = 9999;

// What the window shows: the 46 edit fields (Edit1..Edit46 in index order),
// the four check boxes and the radio group's item index (-1: no item, for a
// stored print mode outside 0..4).
struct PrintSettingsView {
  std::array<std::string, print_layout::kMarginCount> Margins;
  bool FrameOption = false;        // "bestimmte Formulare mit Rahmen drucken"
  bool NoSchoolName = false;       // offset 188, caption by NameOptionCaptionsFor
  bool NoCertificateName = false;  // offset 190
  bool CompensatedFonts = false;   // "Kyocera-Problem ausgleichen"
  int PrintMode = 1;               // "Druckart / Formulardruck"
  bool operator==(const PrintSettingsView&) const = default;
};

PrintSettingsView ViewOfPrintSettings(const PrintSettings& settings);

// Opening the window: a copy of the settings in force, reloaded from the
// files (LoadPrintSettings: unsaved changes of an earlier opening are gone).
// A wrong file size is told (kWrongSize) and the window shows the defaults;
// a file that cannot be read is told and the window shows the settings in
// force. `in_force` is never changed here.
PrintSettings OpenPrintSettings(const PrintSettings& in_force, core::Directories& dirs,
                                bool central_settings, core::Interaction& ui);

// A margin field that was refused: its index 0..45 and the message naming it.
struct MarginFieldError {
  size_t Index = 0;
  std::string Message;  // Windows-1252, "\r" line breaks
};

// The field's name in messages: "Abiturzeugnis, Seite 2, oben".
std::string MarginFieldName(size_t index);

// Reading the window into `settings`: every margin field is read first
// (ParseMargin, then kMarginMin..kMarginMax); the first field that fails is
// returned and nothing at all is stored. Otherwise the margins, the check
// boxes as 1/0 and the print mode (kept as stored when the view shows no
// item) are stored.
std::optional<MarginFieldError> TakeOverPrintSettings(PrintSettings& settings,
                                                      const PrintSettingsView& view);

// "Einstellungen übernehmen": takes `view` over into a copy of `work`,
// writes DRKEINST.DAT in the settings directory, then puts the copy in force
// (`work` and `in_force`) and shows the progress dialog. A refused field is
// returned (nothing written, nothing changed; the window stays open and names
// it). Throws IoError when the file cannot be written: nothing changed.
std::optional<MarginFieldError> ApplyPrintSettings(PrintSettings& in_force, PrintSettings& work,
                                                   const PrintSettingsView& view,
                                                   core::Directories& dirs, bool central_settings,
                                                   core::Interaction& ui);

}  // namespace tolka::print
