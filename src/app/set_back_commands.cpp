#include "app/set_back_commands.h"

#include "core/record_texts.h"

namespace tolka::app {

namespace {

using core::Icon;

struct SetBackRule {
  const char* Caption;
  const char* Question;
  bool IntroFirstHalf;   // reset `Mark1`
  bool IntroSecondHalf;  // reset `Mark2`
  size_t FirstSemester;  // 1..4: semesters from this one on are reset; 5: none
};

constexpr SetBackRule kRules[] = {
    {"Wiederholen der Einführungsphase",
     "Wollen Sie alle Bewertungen\rder Einführungs- und der Qualifikationsphase\rwirklich löschen?",
     true, true, 1},
    {"von 12.1 nach abgeschlossenen 11.1",
     "Wollen Sie alle Daten\rder Qualifikationsphase\rwirklich löschen?", false, true, 1},
    {"von 12.2 nach abgeschlossenen 11.2",
     "Wollen Sie die Bewertungen\rder Halbjahre 12.1, 12.2, 13.1 und 13.2\rwirklich löschen?",
     false, false, 1},
    {"von 13.1 nach abgeschlossenen 12.1",
     "Wollen Sie die Bewertungen\rder Halbjahre 12.2, 13.1 und 13.2\rwirklich löschen?", false,
     false, 2},
    {"von 13.2 nach abgeschlossenen 12.2",
     "Wollen Sie die Bewertungen\rder Halbjahre 13.1 und 13.2\rwirklich löschen?", false, false, 3},
};

constexpr const char* kEncipheredRefused =
    "Die Daten werden verschlüsselt angezeigt!\r\rSolange das richtige Passwort nicht "
    "eingegeben wurde,\rkann kein Schüler zurückgestuft werden.";
constexpr const char* kFreeSlot = "Auf diesem Platz steht kein Schüler.";

const SetBackRule& RuleOf(SetBack kind) { return kRules[static_cast<size_t>(kind)]; }

void ResetMark(std::string& mark) {
  if (mark != core::kNotTaught) mark = core::kNoMark;
}

}  // namespace

const char* SetBackCaption(SetBack kind) { return RuleOf(kind).Caption; }

bool SetBackStudent(AppState& state, core::Interaction& ui, size_t current, SetBack kind) {
  core::StudentRecord& record = state.Data.Table.At(current);
  if (state.Data.ShownEnciphered) {
    ui.Tell(Icon::Warning, kEncipheredRefused);
    return false;
  }
  if (core::IsFree(record)) {
    ui.Tell(Icon::Information, kFreeSlot);
    return false;
  }
  const SetBackRule& rule = RuleOf(kind);
  if (ui.Ask(Icon::Confirmation, rule.Question, core::Buttons::YesNo) != core::Answer::Yes) {
    return false;
  }
  if (rule.IntroFirstHalf || rule.IntroSecondHalf) {
    for (auto& row : record.IntroPhase) {
      if (rule.IntroFirstHalf) ResetMark(row.Mark1);
      if (rule.IntroSecondHalf) ResetMark(row.Mark2);
    }
    // The promotion is decided anew after the repeated half-year.
    record.CompensationAllowable = 0;
    record.CompensationGranted = 0;
    record.PromotableToQualPhase = 0;
    record.PromotedByConference = 0;
  }
  if (kind == SetBack::RepeatIntroPhase) record.RepeatsIntroPhase = 1;
  for (auto& result : record.CourseResults) {
    for (size_t s = rule.FirstSemester; s <= core::kSemesterCount; ++s) {
      result.SemesterPoints[s - 1] = core::kNoPoints;
      result.Credited[s - 1] = 0;
    }
    result.WrittenExamPoints = core::kNoPoints;
    result.OralExamPoints = core::kNoPoints;
  }
  state.Data.Modified = true;
  return true;
}

}  // namespace tolka::app
