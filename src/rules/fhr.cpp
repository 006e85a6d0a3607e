#include "rules/fhr.h"

#include <cmath>
#include <cstdio>

namespace tolka::rules {

namespace {

// The five requirement flags of one FHR computation.
struct Requirements {
  bool German = false;
  bool Mathematics = false;
  bool ForeignLanguage = false;
  bool NaturalScience = false;
  bool SocialScience = false;
};

bool Usable(const SubjectSlot& slot, int s) {
  return slot.Credited[s] == 1 && IsValidCourse(slot.Points[s]);
}

// Geography, social studies or history, but never religion or philosophy:
// the subjects of the social-science requirement.
bool IsSocialScienceSubject(const settings::SubjectEntry& e) {
  return ((e.IsSocialScience == 1 && e.SubjectArea == 2) || e.IsHistory == 1) &&
         e.IsReligionPhilosophy != 1;
}

// A foreign language counts for the pair when the record lists it among its
// foreign languages: one begun after grade 10 ("11".."13" in `FromGrade`,
// compared as text) only for pair 3, an earlier one for any pair.
bool LanguageCountsForPair(const RuleWorkArea& area, const std::string& name, int pair) {
  for (const auto& language : area.Student.ForeignLanguages) {
    if (language.Subject != name) continue;
    const bool late = language.FromGrade > std::string("10");
    if (!late || pair == 3) return true;
  }
  return false;
}

enum class Mode { Evaluating, Raising };

// The requirement check. Evaluating only sets flags; raising clears them
// first and raises the items of every requirement not met.
void CheckRequirements(const RuleContext& ctx, const RuleWorkArea& area, int pair,
                       Requirements& req, CheckResultList& list, Mode mode) {
  if (mode == Mode::Raising) req = {};
  const int a = pair;
  const int b = pair + 1;
  int usable_basic = 0;
  int basic_passed = 0;
  int advanced_passed = 0;
  int complete_advanced = 0;
  bool advanced_not_usable = false;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    const settings::SubjectEntry& e = ctx.Subject(k);
    const bool both = Usable(slot, a) && Usable(slot, b);
    if (slot.CourseKind == 1) {
      for (int s : {a, b}) {
        if (!Usable(slot, s)) continue;
        ++usable_basic;
        if (slot.Points[s] >= 5) ++basic_passed;
      }
    } else if (slot.CourseKind == 2) {
      for (int s : {a, b}) {
        if (!Usable(slot, s)) {
          advanced_not_usable = true;
          continue;
        }
        if (slot.Points[s] >= 5) ++advanced_passed;
      }
      if (both) ++complete_advanced;
    }
    if (e.IsGerman == 1 && both) req.German = true;
    if (e.IsMathematics == 1 && both) req.Mathematics = true;
    if (e.IsForeignLanguage == 1 && both && LanguageCountsForPair(area, e.SubjectName, pair)) {
      req.ForeignLanguage = true;
    }
    if (e.IsNaturalScience == 1 && both) req.NaturalScience = true;
    if (IsSocialScienceSubject(e) && both) req.SocialScience = true;
  }
  if (mode == Mode::Evaluating) return;
  const auto& x = ctx.Exam;
  if (advanced_not_usable) list.Raise(40);
  if (usable_basic < x.FhrBasicCourseCount) list.Raise(47);
  if (complete_advanced < 2) list.Raise(53);
  if (!req.German) list.Raise(54);
  if (!req.Mathematics) list.Raise(55);
  if (!req.ForeignLanguage) list.Raise(56);
  if (!req.NaturalScience) list.Raise(57);
  if (!req.SocialScience) list.Raise(59);
  if (advanced_passed < x.FhrMinAdvancedPassed) list.Raise(45);
  if (basic_passed < x.FhrMinBasicPassed) list.Raise(46);
}

int UsableBasicCourses(const RuleWorkArea& area, int pair) {
  int count = 0;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    if (slot.CourseKind != 1) continue;
    for (int s : {pair, pair + 1}) count += Usable(slot, s) ? 1 : 0;
  }
  return count;
}

void CreditPairOf(SubjectSlot& slot, int pair) {
  slot.Credited[pair] = 1;
  slot.Credited[pair + 1] = 1;
}

}  // namespace

void FhrCredit(const RuleContext& ctx, RuleWorkArea& area, int pair, CheckResultList& list) {
  const int a = pair;
  const int b = pair + 1;
  // Step 1: every gradable advanced-course semester of the pair; marks that
  // an earlier crediting set stay and count.
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    if (slot.CourseKind != 2) continue;
    for (int s : {a, b}) {
      if (slot.Credited[s] != 1 && IsValidCourse(slot.Points[s])) slot.Credited[s] = 1;
    }
  }

  // Step 3: the compulsory subjects that the marks do not meet yet.
  Requirements req;
  CheckRequirements(ctx, area, pair, req, list, Mode::Evaluating);
  size_t best_language = 0, best_science = 0, best_social = 0;
  int32_t language_sum = 0, science_sum = 0, social_sum = 0;
  auto consider = [&](size_t k, const SubjectSlot& slot, size_t& best, int32_t& best_sum) {
    const int32_t sum = slot.Points[a] + slot.Points[b];
    // Ties keep the earlier subject: the comparison is strict.
    if (slot.Points[a] > 0 && slot.Points[b] > 0 && sum > best_sum) {
      best = k;
      best_sum = sum;
    }
  };
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    const settings::SubjectEntry& e = ctx.Subject(k);
    const bool german = e.IsGerman == 1 && !req.German;
    const bool maths = e.IsMathematics == 1 && !req.Mathematics;
    if (german || maths) {
      for (int s : {a, b}) {
        if (slot.Credited[s] != 1 && IsValidCourse(slot.Points[s])) slot.Credited[s] = 1;
      }
    }
    if (e.IsForeignLanguage == 1 && !req.ForeignLanguage) {
      consider(k, slot, best_language, language_sum);
    }
    if (e.IsNaturalScience == 1 && !req.NaturalScience) {
      consider(k, slot, best_science, science_sum);
    }
    if (IsSocialScienceSubject(e) && !req.SocialScience) {
      consider(k, slot, best_social, social_sum);
    }
  }
  for (size_t best : {best_science, best_social, best_language}) {
    if (best != 0) CreditPairOf(area.SubjectSlots[best], pair);
  }

  // Step 4: fill up the basic courses with the best remaining semesters.
  int count = UsableBasicCourses(area, pair);
  for (int v = 15; v >= 1 && count < ctx.Exam.FhrBasicCourseCount; --v) {
    for (size_t k = 1; k <= kSubjectCount && count < ctx.Exam.FhrBasicCourseCount; ++k) {
      SubjectSlot& slot = area.SubjectSlots[k];
      for (int s : {a, b}) {
        if (count >= ctx.Exam.FhrBasicCourseCount) break;
        if (slot.Credited[s] != 1 && slot.Points[s] == v) {
          slot.Credited[s] = 1;
          ++count;
        }
      }
    }
  }
  if (UsableBasicCourses(area, pair) > ctx.Exam.FhrBasicCourseCount) list.Raise(42);
  CheckRequirements(ctx, area, pair, req, list, Mode::Raising);
}

void FhrCheck(const RuleContext& ctx, const RuleWorkArea& area, int pair, CheckResultList& list) {
  Requirements req;
  CheckRequirements(ctx, area, pair, req, list, Mode::Raising);
}

FhrSums FhrSum(const RuleContext& ctx, RuleWorkArea& area, int pair, CheckResultList& list) {
  FhrSums sums;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    for (int s : {pair, pair + 1}) {
      if (slot.Credited[s] != 1) continue;
      if (slot.CourseKind == 1) {
        slot.SemesterFactor[s] = 1;
        slot.BlockCode[s] = 1;
      } else if (slot.CourseKind == 2) {
        slot.SemesterFactor[s] = 2;
        slot.BlockCode[s] = 2;
      } else {
        list.Note(3);
      }
      // A credited semester without a mark adds nothing, as in the Abitur
      // blocks (the factor times -1000 would turn the sums negative).
      slot.Weighted[s] = IsValidMark(slot.Points[s]) ? slot.SemesterFactor[s] * slot.Points[s] : 0;
    }
    for (int s : {pair, pair + 1}) {
      if (slot.BlockCode[s] == 1) sums.BasicSum += slot.Weighted[s];
      if (slot.BlockCode[s] == 2) sums.AdvancedSum += slot.Weighted[s];
    }
  }
  sums.Total = sums.BasicSum + sums.AdvancedSum;
  const auto& x = ctx.Exam;
  if (sums.BasicSum < x.FhrBasicPointsMin) list.Raise(101);
  if (sums.AdvancedSum < x.FhrAdvancedPointsMin) list.Raise(102);
  if (sums.BasicSum > x.FhrBasicPointsMax) list.Raise(103);
  if (sums.AdvancedSum > x.FhrAdvancedPointsMax) list.Raise(104);
  return sums;
}

double FhrGrade(int total, const settings::ExamSettings& exam) {
  const int lo = exam.FhrTotalMin;
  const int hi = exam.FhrTotalMax;
  if (total < lo) return 0.0;
  if (total == lo) return 4.0;
  double g = 4.0;
  double d = lo;
  int c = lo;
  do {
    if (total > c) {
      d += 5.703;
      c = static_cast<int>(d);  // truncation toward zero
      g -= 0.1;
    }
  } while (total > c && c < hi && g > 1.0);
  return g;
}

std::string FormatFhrGrade(double grade) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", grade);
  std::string out(text);
  for (char& ch : out) {
    if (ch == '.') ch = ',';
  }
  return out;
}

std::array<std::string, 2> GradeWords(double grade) {
  static const char* const kWords[] = {"null",  "eins",   "zwei", "drei", "vier", "fünf",
                                       "sechs", "sieben", "acht", "neun", "null"};
  auto word = [](long n) -> std::string { return n >= 0 && n <= 10 ? kWords[n] : " -- "; };
  const double whole = std::trunc(grade);
  const long first = static_cast<long>(std::trunc(grade + 0.005));
  const long second = std::lround((grade - whole) * 10);
  return {word(first), word(second)};
}

}  // namespace tolka::rules
