#include "rules/block_computation.h"

#include <algorithm>

#include "rules/work_area.h"

namespace tolka::rules {

namespace {

// Block codes of an item.
constexpr int16_t kNoBlock = 0;
constexpr int16_t kBlockOne = 1;
constexpr int16_t kBlockTwo = 2;
constexpr int16_t kBlockThree = 3;
constexpr int16_t kBlockOneAndThree = 4;
constexpr int16_t kBlockTwoAndThree = 5;

struct CourseCounters {
  int I = 0;
  int II = 0;
  int III = 0;
};

// Step 2: factor, block code and weight of the four semesters of one slot.
void WeighSemesters(SubjectSlot& slot, CourseCounters& counters, CheckResultList& list) {
  for (size_t s = 1; s <= 4; ++s) {
    slot.Weighted[s] = 0;
    slot.BlockCode[s] = kNoBlock;
    const bool last = s == 4;
    if (slot.CourseKind == 1) {
      slot.SemesterFactor[s] = 1;
    } else if (slot.CourseKind == 2) {
      slot.SemesterFactor[s] = last ? 1 : 2;
    }
    if (slot.Credited[s] != 1) continue;
    if (slot.CourseKind != 1 && slot.CourseKind != 2) {
      // Item 3: a credited semester of a slot that is neither basic nor
      // advanced course.
      list.Note(3);
      continue;
    }
    // A credited semester with 00 or no mark is no credited course: it takes
    // no place in the block counts and adds nothing (a no-mark -1000 would
    // otherwise be weighted into the sums).
    if (!IsValidCourse(slot.Points[s])) continue;
    if (slot.CourseKind == 1) {
      if (last && slot.IsExamSubject == 1) {
        slot.BlockCode[s] = kBlockThree;
        ++counters.III;
      } else {
        slot.BlockCode[s] = kBlockOne;
        ++counters.I;
      }
    } else if (last) {
      // The advanced course's fourth semester counts in Block II and III.
      slot.BlockCode[s] = kBlockTwoAndThree;
      ++counters.II;
      ++counters.III;
    } else {
      slot.BlockCode[s] = kBlockTwo;
      ++counters.II;
    }
    slot.Weighted[s] = slot.SemesterFactor[s] * slot.Points[s];
  }
}

// Step 3: the combined exam value of one exam subject (item 4 when it leaves
// its range).
void WeighExam(SubjectSlot& slot, bool special_work_counts, CheckResultList& list) {
  slot.SemesterFactor[5] = 0;
  slot.BlockCode[5] = kNoBlock;
  slot.Weighted[5] = 0;
  if (slot.IsExamSubject != 1) return;
  const int32_t written = slot.Points[5];
  const int32_t oral = slot.Points[6];
  const bool has_written = IsValidMark(written);
  const bool has_oral = IsValidMark(oral);
  if (!has_written && !has_oral) return;
  slot.BlockCode[5] = kBlockThree;
  if (has_written != has_oral) {
    slot.SemesterFactor[5] = special_work_counts ? 3 : 4;
    slot.Weighted[5] = slot.SemesterFactor[5] * (has_written ? written : oral);
    return;
  }
  slot.SemesterFactor[5] = 1;
  int32_t value = 0;
  int32_t limit = 0;
  if (special_work_counts) {
    value = 2 * written + oral;
    limit = 45;
  } else {
    value = 4 * (2 * written + oral) / 3;
    limit = 60;
  }
  if (value < 0 || value > limit) {
    list.Raise(4);
    value = 0;
  }
  slot.Weighted[5] = value;
}

// Item 87: the special work's total must be the mean of documentation and
// colloquium; for an odd sum the bounds are the integer parts of
// (D + K - 1) / 2 - 0.1 and (D + K + 1) / 2 + 0.1.
bool TotalIsMean(int32_t d, int32_t k, int32_t t) {
  if (d == k) return t == d;
  const int32_t sum = d + k;
  if (sum % 2 == 0) return 2 * t == sum;
  const int32_t lower = (sum - 1) / 2 - 1;  // (sum - 1) / 2 is whole; minus 0.1, cut
  const int32_t upper = (sum + 1) / 2;      // plus 0.1, cut
  return t >= lower && t <= upper;
}

// Step 5: the special work "Besondere Lernleistung".
void AddSpecialWork(const RuleWorkArea& area, CheckResultList& list, BlockResult& result,
                    bool with_checks) {
  if (area.SpecialWorkCounts() != 1) return;
  if (area.Student.ProjectCoursesHoldSpecialWork != 1) {
    // Item 89: the special work needs at least two project courses.
    if (with_checks) list.Raise(89);
    return;
  }
  const int32_t d = RulePoints(area.Student.SpecialWorkDocPoints);
  const int32_t k = RulePoints(area.Student.SpecialWorkColloquiumPoints);
  const int32_t t = RulePoints(area.Student.SpecialWorkTotal);
  if (!IsValidMark(d) || !IsValidMark(k)) {
    // Item 86: documentation or colloquium mark missing; raised with and
    // without checks. The total still counts below when it is valid.
    list.Raise(86);
  } else if (with_checks && !TotalIsMean(d, k, t)) {
    list.Note(87);
  }
  if (IsValidMark(t)) {
    result.BlockIII += 4 * t;
  } else if (with_checks) {
    list.Raise(88);  // no total to credit
  }
}

}  // namespace

void ComputeBlocks(const RuleContext& ctx, RuleWorkArea& area, CheckResultList& list,
                   BlockResult& result, bool with_checks) {
  result = BlockResult{};
  CourseCounters counters;
  const bool special_work_counts = area.SpecialWorkCounts() == 1;

  for (size_t k = 1; k <= kSubjectCount; ++k) {
    SubjectSlot& slot = area.SubjectSlots[k];
    WeighSemesters(slot, counters, list);
    WeighExam(slot, special_work_counts, list);
  }

  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    for (size_t i = 1; i <= 5; ++i) {
      const int32_t value = slot.Weighted[i];
      switch (slot.BlockCode[i]) {
        case kBlockOne:
          result.BlockI += value;
          break;
        case kBlockTwo:
          result.BlockII += value;
          break;
        case kBlockThree:
          result.BlockIII += value;
          break;
        case kBlockOneAndThree:
          result.BlockI += value;
          result.BlockIII += value;
          break;
        case kBlockTwoAndThree:
          result.BlockII += value;
          result.BlockIII += value;
          break;
        default:
          break;
      }
    }
  }

  AddSpecialWork(area, list, result, with_checks);
  result.Total = result.BlockI + result.BlockII + result.BlockIII;

  if (with_checks) {
    const settings::ExamSettings& exam = ctx.Exam;
    // Items 42-44: more course results than a block counts; 48-50: fewer
    // (the block sum is provisional).
    if (counters.I > exam.BlockICourseCount) list.Raise(42);
    if (counters.II > exam.BlockIICourseCount) list.Raise(43);
    if (counters.III > exam.BlockIIICourseCount) list.Raise(44);
    if (counters.I < exam.BlockICourseCount) list.Raise(48);
    if (counters.II < exam.BlockIICourseCount) list.Raise(49);
    if (counters.III < exam.BlockIIICourseCount) list.Raise(50);
  }
  // Item 5: a block sum above its maximum.
  if (result.BlockI > ctx.Exam.BlockIMax || result.BlockII > ctx.Exam.BlockIIMax ||
      result.BlockIII > ctx.Exam.BlockIIIMax) {
    list.Raise(5);
  }
}

ExamCounts CountExamResults(const settings::ExamSettings& exam, const RuleWorkArea& area) {
  ExamCounts counts;
  // The 25/20 rule: an exam subject's Block III points (last semester plus
  // exam value) must reach 25, or 20 when the special work counts.
  const int threshold =
      area.SpecialWorkCounts() == 1 ? exam.ExamSubjectMinWithSpecialWork : exam.ExamSubjectMin;
  for (size_t k = 1; k <= kSubjectCount; ++k) {
    const SubjectSlot& slot = area.SubjectSlots[k];
    if (slot.IsExamSubject != 1) continue;
    if (counts.ExamSubjects < 15) ++counts.ExamSubjects;
    const int32_t last = IsValidMark(slot.Points[4]) ? slot.Points[4] : 0;
    if (last + slot.Weighted[5] >= threshold) {
      if (slot.CourseKind == 2) ++counts.AdvancedReachingThreshold;
      if (slot.CourseKind == 1) ++counts.BasicReachingThreshold;
    }
    if (IsValidMark(slot.Points[5])) ++counts.WrittenExams;
    if (IsValidMark(slot.Points[6])) ++counts.OralExams;
  }
  return counts;
}

ExamCounts CountExamResults(const RuleWorkArea& area) {
  static const settings::ExamSettings kBuiltIn{};
  return CountExamResults(kBuiltIn, area);
}

void CheckExamCounts(const RuleContext& ctx, const RuleWorkArea& area, bool with_count_checks,
                     CheckResultList& list) {
  const ExamCounts counts = CountExamResults(ctx.Exam, area);
  if (with_count_checks) {
    if (counts.OralExams == 0) list.Raise(90);
    if (counts.WrittenExams < 3) list.Raise(91);
    if (counts.WrittenExams > 3) list.Raise(92);
  }
  // Item 15: more (oral) exams than the maximum number of exams.
  if (counts.OralExams > ctx.Exam.MaxExams || counts.ExamSubjects > ctx.Exam.MaxExams) {
    list.Raise(15);
  }
  // Items 93, 94: the 25/20 rule must hold for an advanced-course exam
  // subject and for one more exam subject.
  if (counts.AdvancedReachingThreshold == 0) list.Raise(93);
  if (counts.AdvancedReachingThreshold == 1 && counts.BasicReachingThreshold == 0) {
    list.Raise(94);
  }
}

void CheckBlockMinima(const RuleContext& ctx, const BlockResult& result, CheckResultList& list,
                      bool check_i, bool check_ii, bool check_iii) {
  if (check_i && result.BlockI < ctx.Exam.BlockIMin) list.Raise(111);
  if (check_ii && result.BlockII < ctx.Exam.BlockIIMin) list.Raise(112);
  if (check_iii && result.BlockIII < ctx.Exam.BlockIIIMin) list.Raise(113);
}

void CheckExamMarks(const ExamSlots& slots, CheckResultList& list) {
  // Item 114: the three written exams need their marks.
  for (size_t i = 1; i <= 3; ++i) {
    if (slots[i].Written == core::kNoPoints) list.Raise(114);
  }
  // Item 115: the fourth exam subject is oral only.
  if (slots[4].Oral == core::kNoPoints || slots[4].Written != core::kNoPoints) list.Raise(115);
}

}  // namespace tolka::rules
