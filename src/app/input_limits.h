// What the record editor lets the user type: the width of every text field,
// the points boxes ("00".."15" or "--"), the marks of the introductory phase
// ("1".."6", "-", "#") and the free texts with their CR LF line breaks. The
// UI calls these to limit and validate its controls; the transfer cuts to the
// same widths, so a text the UI let through is never shortened silently.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/student_record.h"

namespace tolka::app {

// Maximal characters per edit box (the field's string[N]).
namespace input_width {
inline constexpr size_t kStudentId = core::record_width::kStudentId;  // "Kenn-Nummer:"
inline constexpr size_t kName = core::record_width::kName;            // "Name:", "Vorname(n):"
inline constexpr size_t kBirthDate = core::record_width::kBirthDate;  // DD.MM.YYYY
inline constexpr size_t kPlace =
    core::record_width::kPlace;  // "Geburtsort:", "wohnhaft in:", "MentorIn:"
inline constexpr size_t kPoints = core::record_width::kPoints;  // every points box
inline constexpr size_t kMark = core::record_width::kMark;      // introductory-phase marks
// Free texts: the char[N] arrays hold N - 1 bytes and the terminating zero;
// a line break takes two of them (CR LF).
inline constexpr size_t kSpecialWorkTopic = core::record_width::kSpecialWorkTopic - 1;      // 199
inline constexpr size_t kInternalRemarks = core::record_width::kInternalRemarks - 1;        // 999
inline constexpr size_t kCertificateRemarks = core::record_width::kCertificateRemarks - 1;  // 399
}  // namespace input_width

// The three states of a validator: a text the box may keep, one that can
// still become acceptable by typing on, and one to refuse.
enum class InputState { Invalid, Intermediate, Acceptable };

// Points boxes (`SemesterPoints`, exam points, the learning-achievement points):
// "00".."15" and "--" are acceptable; "", "0".."9", "-" are intermediate.
InputState ValidatePoints(const std::string& text);

// Marks of the introductory phase: "1".."6", "-" (no mark yet) and "#" (not
// taught) are acceptable; "" is intermediate.
InputState ValidateIntroMark(const std::string& text);

// What a points, mark or date box holds once the user leaves it: the text to
// keep, or a refusal with its message (the box then shows its previous
// text again). A text is refused as a whole, never cut or completed into
// another value ("16" is not "01").
struct Settled {
  std::optional<std::string> Text;  // nothing: refused
  std::string Message;              // why it was refused (Windows-1252)
};

// Points: "00".."15" and "--" as they are, a single digit with its leading
// zero ("7" -> "07"), "-" and an empty box as "--" (no points yet).
Settled SettlePoints(const std::string& typed);
// Marks of the introductory phase: "1".."6", "-" and "#" as they are, an
// empty box as "-" (no mark yet).
Settled SettleIntroMark(const std::string& typed);
// "Geburtsdatum:" as the date box shows it ("DD.MM.YYYY" with blanks where
// nothing was typed): a valid calendar date with a four-digit year from 1900
// to 2099 as DD.MM.YYYY (one-digit day or month with a leading zero), a box
// without digits as the empty text, "00.00.0000" (an initialised record's
// "no date") as it is; anything else ("99.99.9999",
// "31.02.2007", a half-typed date) is refused.
Settled SettleBirthDate(const std::string& typed);

// Free texts ("Thema:", "interne Bemerkungen:", "Bemerkungen auf dem
// Abiturzeugnis:"). The editor shows line breaks as "\n"; the record holds
// CR LF. A stored text is shown up to its first zero byte.
std::string FreeTextShown(const std::string& stored);
// The bytes the record will hold for `shown`: each "\n" as CR LF (a CR LF
// already there stays one line break), cut at a zero byte and to `capacity`
// bytes; a cut never leaves half a line break.
std::string FreeTextStored(const std::string& shown, size_t capacity);
// The stored size of `shown`, so the UI can refuse typing beyond the
// capacity (input_width::kSpecialWorkTopic etc.).
size_t FreeTextStoredSize(const std::string& shown);

}  // namespace tolka::app
