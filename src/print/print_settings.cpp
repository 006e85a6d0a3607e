#include "print/print_settings.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "core/file_io.h"
#include "core/io_error.h"

namespace tolka::print {

namespace L = print_layout;

namespace {

constexpr int32_t kDefaultMargin = 150;
constexpr size_t kReservedWordCount = 5;
static_assert(L::kReservedWords + 2 * kReservedWordCount == L::kReservedByte);
static_assert(L::kReservedByte + 1 == L::kReservedTail);
// The older form ends after the two name options.
static_assert(L::kNoCertificateName + 2 == L::kOldRecordSize);

// First margin index of each row: rows 0..3 at 8 x row, then without a gap.
constexpr std::array<size_t, margin_row::kCount> kRowStart = {0, 8, 16, 24, 28, 36, 38};
constexpr std::array<size_t, margin_row::kCount> kRowPages = {4, 4, 4, 2, 4, 1, 4};
static_assert(kRowStart[margin_row::kReserve] + 2 * kRowPages[margin_row::kReserve] ==
              L::kMarginCount);

}  // namespace

size_t MarginPageCount(size_t row) {
  if (row >= margin_row::kCount) throw std::out_of_range("margin row");
  return kRowPages[row];
}

size_t MarginIndex(size_t row, size_t page, bool top) {
  if (page < 1 || page > MarginPageCount(row)) throw std::out_of_range("margin page");
  return kRowStart[row] + 2 * (page - 1) + (top ? 1 : 0);
}

const char* MarginRowLabel(size_t row) {
  static constexpr std::array<const char*, margin_row::kCount> kLabels = {
      "Abgang Einf.-phase", "Abgang Qual.-phase", "Abiturzeugnis", "Fachhochschulreife",
      "interne Formulare",  "Empfangsbekenntnis", "Reserve"};
  return kLabels.at(row);
}

const char* PrintModeItem(size_t mode) {
  static constexpr std::array<const char*, kPrintModeCount> kItems = {
      "kein Ausdruck", "immer nur eine Seite", "wenn möglich mehrere Seiten gleichzeitig",
      "immer nur eine Seite einschließlich Formular", "mehrere Seiten einschließlich Formular"};
  return kItems.at(mode);
}

const char* MarginInputError() { return "Für die Ränder sind nur ganze Zahlen\r zugelassen!"; }

NameOptionCaptions NameOptionCaptionsFor(bool school_name_set) {
  if (school_name_set) return {"Reserve 1", "Reserve 2"};
  return {"kein Schulname drucken", "kein Zeugnisname drucken"};
}

PrintSettings DecodePrintSettings(core::ConstBytes bytes) {
  if (bytes.size() != L::kRecordSize) throw std::invalid_argument("print settings size");
  PrintSettings s;
  std::copy(bytes.begin(), bytes.end(), s.carried.begin());
  for (size_t i = 0; i < L::kMarginCount; ++i)
    s.Margins[i] = core::GetI32(bytes, L::kMargins + 4 * i);
  s.FrameOption = core::GetU16(bytes, L::kFrameOption);
  s.PrintMode = core::GetU16(bytes, L::kPrintMode);
  s.NoSchoolName = core::GetU16(bytes, L::kNoSchoolName);
  s.NoCertificateName = core::GetU16(bytes, L::kNoCertificateName);
  s.CompensatedFonts = core::GetU16(bytes, L::kCompensatedFonts);
  return s;
}

std::vector<uint8_t> EncodePrintSettings(const PrintSettings& s) {
  std::vector<uint8_t> out(s.carried.begin(), s.carried.end());
  core::Bytes b(out);
  for (size_t i = 0; i < L::kMarginCount; ++i) core::PutI32(b, L::kMargins + 4 * i, s.Margins[i]);
  core::PutU16(b, L::kFrameOption, s.FrameOption);
  core::PutU16(b, L::kPrintMode, s.PrintMode);
  core::PutU16(b, L::kNoSchoolName, s.NoSchoolName);
  core::PutU16(b, L::kNoCertificateName, s.NoCertificateName);
  core::PutU16(b, L::kCompensatedFonts, s.CompensatedFonts);
  return out;
}

void ResetPrintSettings(PrintSettings& s) {
  s.Margins.fill(kDefaultMargin);
  s.FrameOption = 1;
  s.PrintMode = 1;
  s.NoSchoolName = 0;
  s.NoCertificateName = 0;
  s.CompensatedFonts = 0;
  std::fill(s.carried.begin() + L::kReservedWords, s.carried.begin() + L::kReservedTail, 0);
  const auto bytes = EncodePrintSettings(s);
  std::copy(bytes.begin(), bytes.end(), s.carried.begin());
}

std::string LoadPrintSettings(PrintSettings& settings, core::Directories& dirs,
                              bool central_settings) {
  ResetPrintSettings(settings);
  dirs.ReevaluateSettings(central_settings);
  auto path = core::FindFile(dirs.Settings, kPrintSettingsFileName);
  if (!path) path = core::FindFile(dirs.Program, kPrintSettingsFileName);
  if (!path) return {};

  const uintmax_t size = core::FileSizeOf(*path);
  PrintSettings loaded = settings;
  if (size == L::kOldRecordSize) {
    // The older form is the first 192 bytes of the same layout: its margins
    // and the four words after them over the defaults (the Kyocera
    // compensation at 192 stays off).
    const auto old = core::ReadExactly(*path, L::kOldRecordSize);
    std::vector<uint8_t> widened(loaded.carried.begin(), loaded.carried.end());
    std::copy(old.begin(), old.end(), widened.begin());
    loaded = DecodePrintSettings(widened);
  } else if (size == L::kRecordSize) {
    loaded = DecodePrintSettings(core::ReadExactly(*path, L::kRecordSize));
  } else {
    return core::kWrongSize;
  }
  settings = loaded;

  const std::vector<uint8_t> record(settings.carried.begin(), settings.carried.end());
  if (size == L::kOldRecordSize) {
    // The older form is replaced where it lay, not deleted: deleting it would
    // lose the converted margins at the next load whenever the backup is the
    // only other copy.
    core::SaveFileAtomically(*path, record);
  }
  core::SaveFileAtomically(core::TargetPath(dirs.Settings, kPrintSettingsBackupName), record);
  return {};
}

void SavePrintSettings(const PrintSettings& settings, core::Directories& dirs,
                       bool central_settings) {
  dirs.ReevaluateSettings(central_settings);
  core::SaveFileAtomically(core::TargetPath(dirs.Settings, kPrintSettingsFileName),
                           EncodePrintSettings(settings));
}

std::optional<int32_t> ParseMargin(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return 0;
  const auto last = text.find_last_not_of(" \t");
  const std::string t = text.substr(first, last - first + 1);

  size_t i = 0;
  bool negative = false;
  if (t[i] == '+' || t[i] == '-') negative = t[i++] == '-';
  std::string whole;
  std::string fraction;
  bool separator = false;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c >= '0' && c <= '9') {
      (separator ? fraction : whole) += c;
    } else if ((c == ',' || c == '.') && !separator) {
      separator = true;
    } else {
      return std::nullopt;
    }
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;

  // The magnitude, rounded on the digits: above one half up, exactly one
  // half to the even neighbour.
  int64_t magnitude = 0;
  for (char c : whole) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  if (!fraction.empty()) {
    const bool half_or_more = fraction[0] >= '5';
    const bool above_half =
        fraction[0] > '5' || fraction.find_first_not_of('0', 1) != std::string::npos;
    if (half_or_more && (above_half || magnitude % 2 == 1)) ++magnitude;
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

}  // namespace tolka::print
