#include "rules/promotion.h"

#include <algorithm>
#include <vector>

#include "core/record_texts.h"

namespace tolka::rules {

// Texts declared in the header: defined here, in this library's code page.
const char* const kPromotionSkippedMessage =
    "Schüler hat Einführungsphase übersprungen oder\rwurde durch Beschluß der Klassenkonferenz "
    "versetzt!\r\rEs erfolgt KEINE erneute Prüfung der Daten!";

namespace {

struct Entry {
  std::string Subject;
  std::string Mark;
};

// A mark proper is "1".."6"; "-" (no mark yet) and "#" (not taught) are not.
bool HasMark(const std::string& mark) {
  return mark.size() == 1 && mark[0] >= '1' && mark[0] <= '6';
}

int CountMark(const std::vector<Entry>& list, char mark) {
  return static_cast<int>(std::count_if(
      list.begin(), list.end(), [&](const Entry& e) { return e.Mark == std::string(1, mark); }));
}

// Compensation of one "5": a "1" or "2", or two "3", among the subjects that
// may compensate.
bool CanCompensate(const std::vector<Entry>& pool) {
  return CountMark(pool, '1') + CountMark(pool, '2') > 0 || CountMark(pool, '3') >= 2;
}

}  // namespace

PromotionResult CheckPromotion(const RuleContext& ctx, const RuleWorkArea& area,
                               CheckResultList& list) {
  const core::StudentRecord& student = area.Student;
  PromotionResult result;
  if (student.SkippedIntroPhase == 1 || student.PromotedByConference == 1) {
    result.Skipped = true;
    return result;
  }

  std::vector<Entry> main_subjects;
  std::vector<Entry> further;
  const auto& rows = student.IntroPhase;
  // Rows 0..8, the compulsory area: German and mathematics are main subjects;
  // the others count with their first mark when taught one half-year only.
  for (size_t r = 0; r <= 8; ++r) {
    const auto& e = ctx.Subject(settings::FindSubject(ctx.Catalogue, rows[r].Subject));
    if (e.IsGerman == 1 || e.IsMathematics == 1) {
      main_subjects.push_back({rows[r].Subject, rows[r].Mark2});
    } else {
      further.push_back({rows[r].Subject, e.OneSemesterIntro == 1 ? rows[r].Mark1 : rows[r].Mark2});
    }
  }
  // Rows 9 and 10: the two foreign languages; 11 and 12 further subjects.
  for (size_t r : {9, 10}) main_subjects.push_back({rows[r].Subject, rows[r].Mark2});
  for (size_t r : {11, 12}) further.push_back({rows[r].Subject, rows[r].Mark2});
  // Rows 13..16, the elective area: a chosen subject with a mark; the first
  // half-year's mark when the second has none ("-", or "#" for a subject not
  // taught in the second half-year).
  for (size_t r = 13; r <= 16; ++r) {
    const auto& row = rows[r];
    if (row.Subject.empty() || row.Subject == core::kNothingChosen) continue;
    if (!HasMark(row.Mark1) && !HasMark(row.Mark2)) continue;
    const bool second = row.Mark2 != core::kNoMark && row.Mark2 != core::kNotTaught;
    further.push_back({row.Subject, second ? row.Mark2 : row.Mark1});
  }

  // The nine best further subjects. An entry without a mark sorts after
  // every entry with one, so it never displaces a marked subject (plain
  // character order would put "-" before "1").
  std::stable_sort(further.begin(), further.end(), [](const Entry& a, const Entry& b) {
    const bool ma = HasMark(a.Mark);
    const bool mb = HasMark(b.Mark);
    if (ma != mb) return ma;
    return ma && a.Mark < b.Mark;
  });
  if (further.size() > 9) further.resize(9);

  auto marked = [](const std::vector<Entry>& l) {
    return static_cast<int>(
        std::count_if(l.begin(), l.end(), [](const Entry& e) { return e.Mark != core::kNoMark; }));
  };
  if (main_subjects.size() < 4) list.Raise(120);
  if (further.size() < 9) list.Raise(121);
  if (marked(main_subjects) < 4) list.Raise(123);
  if (marked(further) < 9) list.Raise(124);
  if (CountMark(main_subjects, '6') + CountMark(further, '6') > 0) list.Raise(122);
  const int main_fives = CountMark(main_subjects, '5');
  const int fives = main_fives + CountMark(further, '5');
  if (main_fives > 1) list.Raise(125);
  if (fives > 1) list.Raise(126);

  const bool blocking = list.IsRaised(122) || list.IsRaised(123) || list.IsRaised(124);
  if (fives == 1) {
    std::vector<Entry> pool = main_subjects;
    if (main_fives == 0) pool.insert(pool.end(), further.begin(), further.end());
    if (!CanCompensate(pool)) {
      list.Raise(127);
      return result;  // both flags 0
    }
    result.CompensationAllowable = 1;
    if (!blocking) result.PromotableToQualPhase = 1;
  } else if (fives == 0 && !blocking) {
    result.PromotableToQualPhase = 1;
  } else {
    result.PromotableToQualPhase = (student.CompensationGranted == 1 && !blocking) ? 1 : 0;
  }
  return result;
}

}  // namespace tolka::rules
