// The fixed texts that the student record and every choice field share.
#pragma once

namespace tolka::core {

// "   - - -": three blanks, then dash blank dash blank dash. The nothing-chosen
// entry of every subject, class, tutor, religion and project-course field.
inline constexpr const char* kNothingChosen = "   - - -";

// "   - frei -" in `Surname` marks a slot that holds no student.
inline constexpr const char* kFreeSlot = "   - frei -";

// Points fields hold "00".."15"; "--" means no entry.
inline constexpr const char* kNoPoints = "--";

// Marks of the introductory phase: "-" no mark yet, "#" not taught.
inline constexpr const char* kNoMark = "-";
inline constexpr const char* kNotTaught = "#";

}  // namespace tolka::core
