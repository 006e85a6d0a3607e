// The rules work area: what a check or compute command works on. It holds a
// copy of the parts of one `StudentRecord` that the rules need and, per
// catalogue subject, a `SubjectSlot` with the subject's course kind, points,
// credit marks and the block computation's weights. Checks read and change
// only the work area; commands that set credits copy the marks back.
//
// Arrays that the rules number from 1 (subjects 1..30, semesters 1..4, the
// six points of a slot) keep index 0 unused, so the code reads like the
// rules: `slot.Points[5]` is the written exam.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/record_texts.h"
#include "core/student_record.h"

namespace tolka::rules {

inline constexpr size_t kSubjectCount = 30;     // catalogue subjects 1..30
inline constexpr int kNoMark = core::kNoValue;  // -1000: a points text that is no mark

struct SubjectSlot {
  int16_t CourseKind = 0;     // 0 not taken, 1 basic course (GK), 2 advanced course (LK)
  int16_t IsExamSubject = 0;  // 1 = exam subject
  // [1..4] semester points 12.1 .. 13.2, [5] written exam, [6] oral exam;
  // each 0..15 or kNoMark.
  std::array<int32_t, 7> Points{};
  // [1..4] credit marks per semester, [5] `CompetenceFlag`.
  std::array<int16_t, 6> Credited{};
  // [1..4] weighting factor per semester (preparation sets `CourseKind`),
  // [5] the exam factor.
  std::array<uint16_t, 6> SemesterFactor{};
  // [1..4] weighted semester points, [5] the combined exam value.
  std::array<int32_t, 6> Weighted{};
  // [1..5] block assignment: 0 none, 1 Block I, 2 Block II, 3 Block III,
  // 4 Block I and Block III, 5 Block II and Block III.
  std::array<int16_t, 6> BlockCode{};
};

// The valid-course tests of the rules: a semester with 1..15 points is a
// valid course; credited too, it is a credited course. 00 points count as
// not taken everywhere.
inline bool IsValidCourse(int32_t points) { return points >= 1 && points <= 15; }
inline bool IsValidMark(int32_t points) { return points >= 0 && points <= 15; }

struct RuleWorkArea {
  uint16_t StatusWord = 0;
  // The copied record: personal block, foreign languages, Latin/Greek/Hebrew,
  // introductory phase and its six flags, course choices and results,
  // special work marks and project courses. The topic, mentor and remark
  // texts are not copied (they stay empty here).
  core::StudentRecord Student;
  // [1..30] one slot per catalogue subject; [0] unused.
  std::array<SubjectSlot, kSubjectCount + 1> SubjectSlots{};

  // The learning-achievement fields the rules read and the projection may change.
  uint16_t& SpecialWorkCounts() { return Student.SpecialWorkCounts; }
  uint16_t SpecialWorkCounts() const { return Student.SpecialWorkCounts; }
};

// `BlockResult`: the block sums of the last block computation.
struct BlockResult {
  int32_t Total = 0;
  int32_t BlockI = 0;
  int32_t BlockII = 0;
  int32_t BlockIII = 0;
};

// One of the four exam slots (1st and 2nd exam subject: the advanced
// courses; 3rd and 4th: basic courses).
struct ExamSlot {
  uint16_t Subject = 0;  // catalogue number, 0 = none
  std::string Written = core::kNoPoints;
  std::string Oral = core::kNoPoints;
};
// [1..4]; [0] unused.
using ExamSlots = std::array<ExamSlot, 5>;

// `ResultTexts`: columns of five short strings (Block I, Block II, Block III,
// total points, average grade): [0] the current state, [1] projected exam
// marks, [2] the best still reachable state, [3] a spare column.
inline constexpr const char* kNoResultText = " - - -";
enum ResultRow { kRowBlockI = 0, kRowBlockII, kRowBlockIII, kRowTotal, kRowGrade };
enum ResultColumn { kColumnCurrent = 0, kColumnProjected, kColumnBest, kColumnSpare };
using ResultTexts = std::array<std::array<std::string, 5>, 4>;
ResultTexts EmptyResultTexts();  // every field " - - -"

}  // namespace tolka::rules
