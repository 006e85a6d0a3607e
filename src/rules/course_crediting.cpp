#include "rules/course_crediting.h"

#include <algorithm>
#include <array>
#include <functional>

#include "rules/block_one_check.h"
#include "rules/compulsory_course_check.h"
#include "rules/subject_groups.h"

namespace tolka::rules {

namespace {

int ValidSemesters(const SubjectSlot& slot) {
  int count = 0;
  for (size_t s = 1; s <= 4; ++s) count += IsValidCourse(slot.Points[s]) ? 1 : 0;
  return count;
}

// The semesters 1..4 by points, highest first; equal points keep the earlier
// semester first.
std::array<size_t, 4> RankedSemesters(const SubjectSlot& slot) {
  std::array<size_t, 4> order{1, 2, 3, 4};
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return slot.Points[a] > slot.Points[b]; });
  return order;
}

// The sum of the two highest semester points of 1..15.
int BestTwo(const SubjectSlot& slot) {
  int sum = 0;
  int taken = 0;
  for (size_t s : RankedSemesters(slot)) {
    if (taken == 2 || !IsValidCourse(slot.Points[s])) break;
    sum += slot.Points[s];
    ++taken;
  }
  return sum;
}

int PointsSum(const SubjectSlot& slot) {
  int sum = 0;
  for (size_t s = 1; s <= 4; ++s) sum += IsValidCourse(slot.Points[s]) ? slot.Points[s] : 0;
  return sum;
}

void CreditIfValid(SubjectSlot& slot, size_t s) {
  if (IsValidCourse(slot.Points[s])) slot.Credited[s] = 1;
}

void CreditAllValid(SubjectSlot& slot) {
  for (size_t s = 1; s <= 4; ++s) CreditIfValid(slot, s);
}

// The two best semesters (by the ranking) that have 1..15 points.
void CreditBestTwo(SubjectSlot& slot) {
  int credited = 0;
  for (size_t s : RankedSemesters(slot)) {
    if (credited == 2 || !IsValidCourse(slot.Points[s])) break;
    slot.Credited[s] = 1;
    ++credited;
  }
}

using SlotFilter = std::function<bool(size_t k, const SubjectSlot&)>;
using SlotValue = std::function<int(const SubjectSlot&)>;

// The taken slot that passes `filter` with the highest value; on equal values
// the earlier catalogue subject. 0 when none passes.
size_t BestCandidate(const RuleWorkArea& area, const SlotFilter& filter, const SlotValue& value) {
  size_t best = 0;
  int best_value = 0;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    if (!IsTaken(slot) || !filter(k, slot)) continue;
    const int v = value(slot);
    if (best == 0 || v > best_value) {
      best = k;
      best_value = v;
    }
  }
  return best;
}

// Steps 1 and 2 of the advanced and exam basic-course crediting: every slot
// that `selects` loses its credits, then every semester with 1..15 points is
// credited; 00 raises item 40, no mark item 39.
struct CreditCounts {
  int Courses = 0;
  int Credited = 0;
};
CreditCounts CreditUsableSemesters(RuleWorkArea& area, CheckResultList& list,
                                   const std::function<bool(const SubjectSlot&)>& selects) {
  CreditCounts counts;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    if (!selects(slot)) continue;
    for (size_t s = 1; s <= 4; ++s) slot.Credited[s] = 0;
  }
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    if (!selects(slot)) continue;
    ++counts.Courses;
    for (size_t s = 1; s <= 4; ++s) {
      if (IsValidCourse(slot.Points[s])) {
        slot.Credited[s] = 1;
        ++counts.Credited;
      } else if (slot.Points[s] == 0) {
        list.Raise(40);  // a course with 00 points cannot be credited
      } else {
        list.Raise(39);  // no mark where one is needed
      }
    }
  }
  return counts;
}

}  // namespace

void CreditAdvancedCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list) {
  const CreditCounts counts = CreditUsableSemesters(
      area, list, [](const SubjectSlot& slot) { return slot.CourseKind == 2; });
  // Item 13: more advanced courses than the settings' number of advanced
  // courses; item 41: not all their semesters creditable.
  if (counts.Courses > ctx.Exam.AdvancedCourseCount) list.Raise(13);
  if (counts.Credited < 4 * ctx.Exam.AdvancedCourseCount) list.Raise(41);
}

void CreditExamBasicCourses(const RuleContext& /*ctx*/, RuleWorkArea& area, CheckResultList& list) {
  // Only items 39 and 40: items 13 and 41 name advanced courses, and the
  // number of basic-course exam subjects is checked by the exam-subject check
  // (items 73, 74) and the compulsory-course check (item 52).
  CreditUsableSemesters(area, list, [](const SubjectSlot& slot) {
    return slot.CourseKind == 1 && slot.IsExamSubject == 1;
  });
}

// The compulsory courses (§35). Per obligation that the current marks do not
// meet, in this order (the obligations are decided anew before each, so a
// course credited for one obligation is not credited again for another):
//  - late-beginning second foreign language (item 61): semesters 3 and 4 of
//    the subject of foreign-language row 2, where they have 1..15 points;
//  - German (54), mathematics (55): every semester with 1..15 points;
//  - history (51): the best uncredited semesters until two are credited, of
//    the history subject with the highest best-two value;
//  - foreign language (56), natural science (57): the four semesters of the
//    subject of the group with four valid semesters and the highest sum;
//  - art/music (58): the two best semesters of the candidate with the highest
//    best-two value;
//  - geography/social studies/philosophy (59): the two best semesters of the
//    geography or social studies candidate with the highest best-two value;
//    without one, two of religion and two of philosophy (both needed);
//  - religion/philosophy (60): the two best semesters of the religion or
//    philosophy candidate (philosophy being the social-science side) with the
//    higher best-two value.
// A candidate needs at least two semesters with 1..15 points. Nothing is
// uncredited. The closing check reports what is still unmet.
void CreditCompulsoryCourses(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list) {
  const auto met = [&] {
    CheckResultList scratch;  // without reporting: only the answer counts
    return CheckCompulsoryCourses(ctx, area, scratch, false);
  };
  const auto flag = [&](size_t k, uint8_t settings::SubjectEntry::*member) {
    return ctx.Subject(k).*member != 0;
  };
  const auto has_two = [](const SubjectSlot& slot) { return ValidSemesters(slot) >= 2; };
  const SlotValue best_two = BestTwo;

  // Item 61: the late-beginning language has semesters 3 and 4 credited first.
  if (!met().LateSecondLanguage) {
    const size_t k = settings::FindSubject(ctx.Catalogue, area.Student.ForeignLanguages[1].Subject);
    if (k != 0 && IsTaken(area.SubjectSlots[k]) && ctx.Subject(k).IsForeignLanguage) {
      CreditIfValid(area.SubjectSlots[k], 3);
      CreditIfValid(area.SubjectSlots[k], 4);
    }
  }

  const auto credit_every_semester = [&](uint8_t settings::SubjectEntry::*member) {
    for (size_t k = 1; k <= kSubjectCount; ++k) {
      if (IsTaken(area.SubjectSlots[k]) && flag(k, member)) CreditAllValid(area.SubjectSlots[k]);
    }
  };
  if (!met().German) credit_every_semester(&settings::SubjectEntry::IsGerman);
  if (!met().Mathematics) credit_every_semester(&settings::SubjectEntry::IsMathematics);

  if (!met().History) {
    const size_t k = BestCandidate(
        area,
        [&](size_t j, const SubjectSlot& slot) {
          return flag(j, &settings::SubjectEntry::IsHistory) && ValidSemesters(slot) >= 1;
        },
        best_two);
    if (k != 0) {
      SubjectSlot& slot = area.SubjectSlots[k];
      for (size_t s : RankedSemesters(slot)) {
        if (CreditedCourseCount(slot) >= 2) break;
        if (slot.Credited[s] != 1) CreditIfValid(slot, s);
      }
    }
  }

  const auto four_valid = [](const SubjectSlot& slot) { return ValidSemesters(slot) == 4; };
  if (!met().ForeignLanguage) {
    const size_t k = BestCandidate(
        area,
        [&](size_t j, const SubjectSlot& slot) {
          return flag(j, &settings::SubjectEntry::IsForeignLanguage) && four_valid(slot);
        },
        PointsSum);
    if (k != 0) CreditAllValid(area.SubjectSlots[k]);
  }
  if (!met().NaturalScience) {
    const size_t k = BestCandidate(
        area,
        [&](size_t j, const SubjectSlot& slot) {
          return flag(j, &settings::SubjectEntry::IsNaturalScience) && four_valid(slot);
        },
        PointsSum);
    if (k != 0) CreditAllValid(area.SubjectSlots[k]);
  }

  if (!met().ArtMusic) {
    const size_t k = BestCandidate(
        area,
        [&](size_t j, const SubjectSlot& slot) {
          return flag(j, &settings::SubjectEntry::IsArtMusic) && has_two(slot);
        },
        best_two);
    if (k != 0) CreditBestTwo(area.SubjectSlots[k]);
  }

  const auto religion = [&](size_t j) { return IsReligion(ctx.Subject(j)); };
  const auto philosophy = [&](size_t j) { return IsPhilosophy(ctx.Subject(j)); };
  const auto social = [&](size_t j) { return IsGeographyOrSocialStudies(ctx.Subject(j)); };
  if (!met().SocialSciencePhilosophy) {
    const size_t k = BestCandidate(
        area, [&](size_t j, const SubjectSlot& slot) { return social(j) && has_two(slot); },
        best_two);
    if (k != 0) {
      CreditBestTwo(area.SubjectSlots[k]);
    } else {
      const size_t r = BestCandidate(
          area, [&](size_t j, const SubjectSlot& slot) { return religion(j) && has_two(slot); },
          best_two);
      const size_t p = BestCandidate(
          area, [&](size_t j, const SubjectSlot& slot) { return philosophy(j) && has_two(slot); },
          best_two);
      if (r != 0 && p != 0) {
        CreditBestTwo(area.SubjectSlots[r]);
        CreditBestTwo(area.SubjectSlots[p]);
      }
    }
  }
  if (!met().ReligionPhilosophy) {
    const size_t k = BestCandidate(
        area,
        [&](size_t j, const SubjectSlot& slot) {
          return (religion(j) || philosophy(j)) && has_two(slot);
        },
        best_two);
    if (k != 0) CreditBestTwo(area.SubjectSlots[k]);
  }

  CheckCompulsoryCourses(ctx, area, list, true);
}

void FillBlockOne(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list) {
  const auto is_sport = [&](size_t k) { return ctx.Subject(k).SubjectArea == kAreaSport; };
  // Semester 4 of a basic-course exam subject belongs to Block III.
  const auto counts_in_block_one = [](const SubjectSlot& slot, size_t s) {
    return slot.CourseKind == 1 && !(s == 4 && slot.IsExamSubject == 1);
  };

  int block_count = 0;
  int sport_count = 0;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    for (size_t s = 1; s <= 4; ++s) {
      if (!IsCreditedCourse(slot, s)) continue;
      if (counts_in_block_one(slot, s)) ++block_count;
      if (is_sport(k)) ++sport_count;
    }
  }

  // Up to three sport courses with `DifferentiatedSport` 1, else one.
  const int sport_limit = ctx.General.DifferentiatedSport == 1 ? 3 : 1;
  const int limit = ctx.Exam.BlockICourseCount;
  for (int points = 15; points >= 1 && block_count < limit; --points) {
    for (size_t k = 1; k <= kSubjectCount && block_count < limit; ++k) {
      SubjectSlot& slot = area.SubjectSlots[k];
      for (size_t s = 1; s <= 4 && block_count < limit; ++s) {
        if (!counts_in_block_one(slot, s) || slot.Credited[s] == 1) continue;
        if (slot.Points[s] != points) continue;
        if (is_sport(k)) {
          if (sport_count >= sport_limit) continue;
          ++sport_count;
        }
        slot.Credited[s] = 1;
        ++block_count;
      }
    }
  }

  CheckBlockOneCourses(ctx, area, list);
}

}  // namespace tolka::rules
