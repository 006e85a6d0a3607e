#include "app/editor_values.h"

namespace tolka::app {

bool IntroRowHasSubjectBox(size_t row) { return row == 4 || (row >= 9 && row < 17); }

bool IntroRowHasMark2(size_t row) { return row != 1 && row != 2 && row != 5 && row != 6; }

CourseRole CourseRoleOf(const core::CourseChoice& choice) {
  const bool exam = choice.ExamSubject == 1;
  const bool advanced = choice.AdvancedCourse == 1;
  if (exam && advanced) return CourseRole::ExamAndAdvanced;
  if (exam) return CourseRole::ExamOnly;
  if (advanced) return CourseRole::AdvancedOnly;
  return CourseRole::Plain;
}

const char* PageCaption(EditorPage page) {
  switch (page) {
    case EditorPage::PersonalData:
      return "Personendaten";
    case EditorPage::ForeignLanguages:
      return "Fremdsprachen";
    case EditorPage::IntroPhase:
      return "Einführungsphase";
    case EditorPage::CourseChoice:
      return "Kurswahl und Prüfungen";
    case EditorPage::Results:
      return "Bewertung und Auswahl";
    case EditorPage::SpecialWork:
      return "Besondere Lernleistung";
    case EditorPage::Remarks:
      return "Bemerkungen";
    case EditorPage::ProjectCourses:
      break;
  }
  return "Projektkurse";
}

bool ClearCreditsEnabled(EditorPage active_page) { return active_page == EditorPage::Results; }

}  // namespace tolka::app
