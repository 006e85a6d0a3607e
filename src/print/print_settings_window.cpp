#include "print/print_settings_window.h"

#include "core/io_error.h"

namespace tolka::print {

namespace {

// Row and page of a margin index, and whether it is the top margin.
struct MarginPlace {
  size_t Row = 0;
  size_t Page = 1;
  bool Top = false;
};

MarginPlace PlaceOf(size_t index) {
  for (size_t row = 0; row < margin_row::kCount; ++row) {
    for (size_t page = 1; page <= MarginPageCount(row); ++page) {
      if (MarginIndex(row, page, false) == index) return {row, page, false};
      if (MarginIndex(row, page, true) == index) return {row, page, true};
    }
  }
  return {};
}

}  // namespace

PrintSettingsView ViewOfPrintSettings(const PrintSettings& s) {
  PrintSettingsView view;
  for (size_t i = 0; i < s.Margins.size(); ++i) view.Margins[i] = std::to_string(s.Margins[i]);
  view.FrameOption = s.FrameOption == 1;
  view.NoSchoolName = s.NoSchoolName == 1;
  view.NoCertificateName = s.NoCertificateName == 1;
  view.CompensatedFonts = s.CompensatedFonts == 1;
  view.PrintMode = s.PrintMode < kPrintModeCount ? s.PrintMode : -1;
  return view;
}

PrintSettings OpenPrintSettings(const PrintSettings& in_force, core::Directories& dirs,
                                bool central_settings, core::Interaction& ui) {
  PrintSettings work = in_force;
  try {
    const std::string message = LoadPrintSettings(work, dirs, central_settings);
    if (!message.empty()) ui.Tell(core::Icon::Error, message);
  } catch (const IoError& e) {
    // LoadPrintSettings leaves the defaults behind a failed read; the window
    // shows what is in force instead.
    ui.Tell(core::Icon::Error, e.what());
    work = in_force;
  }
  return work;
}

std::string MarginFieldName(size_t index) {
  const MarginPlace place = PlaceOf(index);
  return std::string(MarginRowLabel(place.Row)) + ", Seite " + std::to_string(place.Page) +
         (place.Top ? ", oben" : ", links");
}

std::optional<MarginFieldError> TakeOverPrintSettings(PrintSettings& settings,
                                                      const PrintSettingsView& view) {
  std::array<int32_t, print_layout::kMarginCount> margins{};
  for (size_t i = 0; i < margins.size(); ++i) {
    const auto value = ParseMargin(view.Margins[i]);
    if (!value || *value < kMarginMin || *value > kMarginMax) {
      return MarginFieldError{
          i, std::string(MarginInputError()) + "\r\rFeld: " + MarginFieldName(i) + "\r(erlaubt: " +
                 std::to_string(kMarginMin) + " bis " + std::to_string(kMarginMax) + ")"};
    }
    margins[i] = *value;
  }
  settings.Margins = margins;
  settings.FrameOption = view.FrameOption ? 1 : 0;
  settings.NoSchoolName = view.NoSchoolName ? 1 : 0;
  settings.NoCertificateName = view.NoCertificateName ? 1 : 0;
  settings.CompensatedFonts = view.CompensatedFonts ? 1 : 0;
  if (view.PrintMode >= 0 && view.PrintMode < static_cast<int>(kPrintModeCount)) {
    settings.PrintMode = static_cast<uint16_t>(view.PrintMode);
  }
  return std::nullopt;
}

std::optional<MarginFieldError> ApplyPrintSettings(PrintSettings& in_force, PrintSettings& work,
                                                   const PrintSettingsView& view,
                                                   core::Directories& dirs, bool central_settings,
                                                   core::Interaction& ui) {
  PrintSettings taken = work;
  if (auto error = TakeOverPrintSettings(taken, view)) return error;
  SavePrintSettings(taken, dirs, central_settings);
  work = taken;
  in_force = taken;
  ui.ShowProgress();
  return std::nullopt;
}

}  // namespace tolka::print
