// "Schüler zurückstufen": the commands that set the current student back so
// that half-years can be repeated. Each asks first, then resets the points of
// the half-years to be repeated and everything that depends on them:
//
// | command                             | half-years reset                         |
// |-------------------------------------|------------------------------------------|
// | "Wiederholen der Einführungsphase"  | 11.1, 11.2 and the qualification phase   |
// | "von 12.1 nach abgeschlossenen 11.1"| 11.2 and the qualification phase         |
// | "von 12.2 nach abgeschlossenen 11.2"| the qualification phase (12.1 .. 13.2)   |
// | "von 13.1 nach abgeschlossenen 12.1"| 12.2, 13.1, 13.2                         |
// | "von 13.2 nach abgeschlossenen 12.2"| 13.1, 13.2                               |
//
// A reset semester gets "--" as points and its credit mark 0; the written and
// oral exam points (taken after 13.2) are always reset. A reset intro-phase
// half-year gets the mark "-" ("#" for a subject not taught stays), and the
// promotion flags (`CompensationAllowable`, `CompensationGranted`,
// `PromotableToQualPhase`, `PromotedByConference`) are cleared with it; the
// repeat of the introductory phase also sets `RepeatsIntroPhase`. Course
// choices, personal data, special work and remarks stay.
#pragma once

#include <cstddef>

#include "app/app_state.h"
#include "core/interaction.h"

namespace tolka::app {

enum class SetBack {
  RepeatIntroPhase,  // "Wiederholen der Einführungsphase"
  From121To111,      // "von 12.1 nach abgeschlossenen 11.1"
  From122To112,      // "von 12.2 nach abgeschlossenen 11.2"
  From131To121,      // "von 13.1 nach abgeschlossenen 12.1"
  From132To122,      // "von 13.2 nach abgeschlossenen 12.2"
};

// The menu caption of a set-back command.
const char* SetBackCaption(SetBack kind);

// Asks (confirmation, Yes/No) and resets; returns true when the record was
// changed (sets the modified flag). Refused with a warning while the data are
// shown enciphered, and on a free slot (nothing to set back).
bool SetBackStudent(AppState& state, core::Interaction& ui, size_t current, SetBack kind);

}  // namespace tolka::app
