#include "rules/course_choice_check.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/record_texts.h"
#include "rules/subject_groups.h"

namespace tolka::rules {

namespace {

// An intro-phase mark that shows the subject was taught: "1".."6", "B", "b".
bool IsIntroMark(const std::string& mark) {
  if (mark.size() != 1) return false;
  const char c = mark[0];
  return (c >= '1' && c <= '6') || c == 'B' || c == 'b';
}

struct LanguageFindings {
  int Count = 0;                                          // rows naming a catalogue subject
  std::array<bool, core::kForeignLanguageCount> Valid{};  // per row 1..4 (index 0..3)
  bool SecondAcceptable = false;                          // row 2, item 35
};

// Step 1: the rows of `ForeignLanguages` against the catalogue (items 36,
// 38, and the acceptance of the second language for item 35).
LanguageFindings CheckLanguages(const RuleContext& ctx, const RuleWorkArea& area,
                                CheckResultList& list) {
  LanguageFindings f;
  const auto& rows = area.Student.ForeignLanguages;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const std::string& name = ctx.Subject(k).SubjectName;
    if (name == core::kNothingChosen) continue;
    bool matched_earlier = false;
    for (size_t r = 0; r < rows.size(); ++r) {
      const core::ForeignLanguageEntry& row = rows[r];
      if (row.Subject != name) continue;
      ++f.Count;
      f.Valid[r] = true;
      // Item 38: the same language in two rows; the later row is not valid.
      if (matched_earlier) {
        list.Raise(38);
        f.Valid[r] = false;
      }
      matched_earlier = true;
      // Item 36: no start grade, or an end grade before the start grade.
      if (row.FromGrade == core::kNoPoints ||
          (row.ToGrade != core::kNoPoints && row.ToGrade < row.FromGrade)) {
        list.Note(36);
      }
      if (r == 1 && (SecondLanguageAcceptableByGrades(row) || IsTaken(area.SubjectSlots[k]))) {
        f.SecondAcceptable = true;
      }
    }
  }
  return f;
}

}  // namespace

bool SecondLanguageAcceptableByGrades(const core::ForeignLanguageEntry& row2) {
  // The grades are two-character texts compared character by character, so
  // " 7" < " 8" and "10" > " 9" (a blank sorts before every digit).
  const std::string& from = row2.FromGrade;
  const std::string& to = row2.ToGrade;
  const bool still_taken = to == core::kNoPoints;
  if (from < " 8" && (still_taken || to > " 9")) return true;
  if (from == " 9" && (still_taken || to > "10")) return true;
  return false;
}

void CheckCourseChoice(const RuleContext& ctx, const RuleWorkArea& area, CheckResultList& list) {
  const LanguageFindings languages = CheckLanguages(ctx, area, list);

  // Step 2: counts, weekly hours per task-field code and the flags that occur.
  int basic = 0;
  int advanced = 0;
  int exams = 0;
  std::array<int, kAreaCodeCount> hours{};
  bool advanced_math_or_language = false;
  bool german = false, history = false, art_music = false, science = false, math = false,
       language = false;
  bool religion = false, philosophy = false, geo_social = false;
  int intro_rows = 0;
  const bool skipped_intro = area.Student.SkippedIntroPhase != 0;

  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    if (!IsTaken(slot)) continue;
    const settings::SubjectEntry& e = ctx.Subject(k);
    if (IsBasicCourse(slot)) ++basic;
    if (IsAdvancedCourse(slot)) ++advanced;
    if (slot.IsExamSubject == 1) ++exams;
    if (e.SubjectArea < kAreaCodeCount) {
      hours[e.SubjectArea] += IsAdvancedCourse(slot) ? e.HoursAdvanced : e.HoursBasic;
    }
    german = german || e.IsGerman != 0;
    history = history || e.IsHistory != 0;
    art_music = art_music || e.IsArtMusic != 0;
    science = science || e.IsNaturalScience != 0;
    math = math || e.IsMathematics != 0;
    language = language || e.IsForeignLanguage != 0;
    religion = religion || IsReligion(e);
    philosophy = philosophy || IsPhilosophy(e);
    geo_social = geo_social || IsGeographyOrSocialStudies(e);

    if (!IsAdvancedCourse(slot)) continue;
    if (e.IsMathematics != 0 || e.IsForeignLanguage != 0) advanced_math_or_language = true;
    // Item 18: a subject that may not be an advanced course.
    if (e.AdvancedCourseAllowed == 0) list.Raise(18);
    // Item 33 counts the intro-phase rows of each advanced course that carry
    // a mark.
    if (!skipped_intro) {
      for (const core::IntroPhaseRow& row : area.Student.IntroPhase) {
        if (row.Subject == e.SubjectName && (IsIntroMark(row.Mark1) || IsIntroMark(row.Mark2))) {
          ++intro_rows;
        }
      }
    }
  }

  // Step 3.
  const settings::ExamSettings& x = ctx.Exam;
  // Item 10: 7 basic and 3 advanced courses still reach 8 + 2.
  if (basic < x.MinBasicCourses && basic + advanced < x.MinBasicCourses + x.AdvancedCourseCount) {
    list.Raise(10);
  }
  if (basic > x.MaxBasicCourses) list.Raise(11);
  if (advanced < x.AdvancedCourseCount) list.Raise(12);
  if (advanced > x.MaxAdvancedCourses) list.Raise(13);
  if (exams < x.ExamSubjectCount) list.Note(14);
  if (exams > x.MaxExams) list.Raise(15);
  if (!advanced_math_or_language) list.Raise(17);
  if (!german) list.Raise(19);
  if (!history) list.Raise(20);
  if (!art_music) list.Raise(21);

  // Band g (items 22, 23, 34): religion and philosophy together also cover
  // geography/social studies.
  const bool band_g =
      (religion && geo_social) || (philosophy && geo_social) || (religion && philosophy);
  if (religion && philosophy) geo_social = true;
  if (!band_g) list.Raise(22);
  if (!geo_social) list.Raise(23);
  if (philosophy && !geo_social && !religion) list.Raise(34);

  if (!science) list.Raise(24);
  if (!math) list.Raise(25);
  if (!language) list.Raise(26);

  // Items 27-32: weekly hours. Code 6 counts towards task field 3 directly,
  // codes 5 and 6 towards field 2 only as a fall-back, code 5 towards field
  // 3 only as a fall-back.
  if (hours[kAreaLanguages] < x.MinHoursArea1) list.Raise(27);
  if (hours[kAreaSocial] < x.MinHoursArea2) {
    if (hours[kAreaSocial] + hours[kAreaFallback] + hours[kAreaScienceToo] < x.MinHoursArea2) {
      list.Raise(28);
    } else {
      list.Note(29);
    }
  }
  const int area3 = hours[kAreaScience] + hours[kAreaScienceToo];
  if (area3 < x.MinHoursArea3) {
    if (area3 + hours[kAreaFallback] < x.MinHoursArea3) {
      list.Raise(30);
    } else {
      list.Note(31);
    }
  }
  int weekly = 0;
  for (int code = 1; code < kAreaCodeCount; ++code) weekly += hours[code];
  if (weekly < x.MinWeeklyHours) list.Raise(32);

  // Item 33: the advanced subjects must have been taught in the intro phase.
  if (!skipped_intro && (intro_rows < advanced || intro_rows < x.AdvancedCourseCount)) {
    list.Raise(33);
  }

  // Items 35-37: the second foreign language and the language rows.
  if (!languages.SecondAcceptable) list.Raise(35);
  // Item 36: a gap or a repeated language among the rows the count covers.
  const size_t checked_rows =
      std::min(static_cast<size_t>(languages.Count), core::kForeignLanguageCount);
  for (size_t r = 0; r < checked_rows; ++r) {
    if (!languages.Valid[r]) list.Note(36);
  }
  if (languages.Count < 2) list.Raise(37);
}

}  // namespace tolka::rules
