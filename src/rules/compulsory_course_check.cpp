#include "rules/compulsory_course_check.h"

#include "core/record_texts.h"
#include "rules/course_choice_check.h"
#include "rules/subject_groups.h"

namespace tolka::rules {

namespace {

// Item 61: the second foreign language of `ForeignLanguages` row 2, when it
// began late (fails the grade test of the course-choice check), needs
// semesters 3 and 4 credited as a foreign-language course of the upper
// school. An early-begun row-2 language, or none at all, has nothing to meet
// here (items 35 and 37 cover a missing one).
bool LateSecondLanguageMet(const RuleContext& ctx, const RuleWorkArea& area) {
  const core::ForeignLanguageEntry& row2 = area.Student.ForeignLanguages[1];
  if (row2.Subject == core::kNothingChosen) return true;
  const size_t k = settings::FindSubject(ctx.Catalogue, row2.Subject);
  if (k == 0) return true;
  if (ctx.Subject(k).IsForeignLanguage == 0) return true;   // names no foreign language
  if (SecondLanguageAcceptableByGrades(row2)) return true;  // begun early
  const SubjectSlot& slot = area.SubjectSlots[k];
  return IsTaken(slot) && IsCreditedCourse(slot, 3) && IsCreditedCourse(slot, 4);
}

}  // namespace

Obligations CheckCompulsoryCourses(const RuleContext& ctx, const RuleWorkArea& area,
                                   CheckResultList& list, bool reporting) {
  bool exam_semester_missing = false;
  int basic_exams_complete = 0;
  int advanced_exams_complete = 0;
  bool german = false, math = false, language = false, science = false;
  bool history = false, art_music = false;
  bool geo_social_two = false;  // one geography/social studies subject with 2 credited
  bool geo_social_any = false;  // any geography/social studies course credited
  int religion_credited = 0;    // summed over all religion subjects
  int philosophy_credited = 0;  // summed over all philosophy subjects

  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    if (!IsTaken(slot)) continue;
    const settings::SubjectEntry& e = ctx.Subject(k);
    const int credited = CreditedCourseCount(slot);
    const bool all_four = credited == 4;
    if (slot.IsExamSubject == 1) {
      if (!all_four) exam_semester_missing = true;
      if (all_four && IsBasicCourse(slot)) ++basic_exams_complete;
      if (all_four && IsAdvancedCourse(slot)) ++advanced_exams_complete;
    }
    if (e.IsGerman != 0 && all_four) german = true;
    if (e.IsMathematics != 0 && all_four) math = true;
    if (e.IsForeignLanguage != 0 && all_four) language = true;
    if (e.IsNaturalScience != 0 && all_four) science = true;
    if (e.IsHistory != 0 && credited >= 2) history = true;
    if (e.IsArtMusic != 0 && credited >= 2) art_music = true;
    if (IsGeographyOrSocialStudies(e)) {
      if (credited >= 2) geo_social_two = true;
      if (credited >= 1) geo_social_any = true;
    }
    if (IsReligion(e)) religion_credited += credited;
    if (IsPhilosophy(e)) philosophy_credited += credited;
  }

  Obligations ob;
  ob.ExamCoursesCredited = !exam_semester_missing;
  ob.BasicExamSubjects = basic_exams_complete >= 2;
  ob.AdvancedExamSubjects = advanced_exams_complete >= 2;
  ob.German = german;
  ob.Mathematics = math;
  ob.ForeignLanguage = language;
  ob.NaturalScience = science;
  ob.History = history;
  ob.ArtMusic = art_music;
  const bool religion_and_philosophy_two = religion_credited >= 2 && philosophy_credited >= 2;
  // Item 59: geography or social studies, or religion and philosophy
  // together.
  ob.SocialSciencePhilosophy = geo_social_two || religion_and_philosophy_two;
  // Item 60: two religion/philosophy courses beside geography/social studies,
  // or two of each.
  ob.ReligionPhilosophy = ((geo_social_any || ob.SocialSciencePhilosophy) &&
                           religion_credited + philosophy_credited >= 2) ||
                          religion_and_philosophy_two;
  ob.LateSecondLanguage = LateSecondLanguageMet(ctx, area);

  if (reporting) {
    if (!ob.ExamCoursesCredited) list.Raise(40);
    if (!ob.BasicExamSubjects) list.Raise(52);
    if (!ob.AdvancedExamSubjects) list.Raise(53);
    if (!ob.German) list.Raise(54);
    if (!ob.Mathematics) list.Raise(55);
    if (!ob.ForeignLanguage) list.Raise(56);
    if (!ob.NaturalScience) list.Raise(57);
    if (!ob.History) list.Raise(51);
    if (!ob.ArtMusic) list.Raise(58);
    if (!ob.SocialSciencePhilosophy) list.Raise(59);
    if (!ob.ReligionPhilosophy) list.Raise(60);
    if (!ob.LateSecondLanguage) list.Raise(61);
  }
  return ob;
}

}  // namespace tolka::rules
