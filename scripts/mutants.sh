#!/bin/bash
# Mutation run: plants each fault of the list below into the source, one at a
# time, rebuilds the tests it concerns incrementally, runs them and puts the
# file back. A fault is caught when a test fails (or times out); it is missed
# when they all pass. Prints each fault and the share caught; exits 1 when a
# fault was missed or the run could not be carried out.
#
#   scripts/mutants.sh            every fault of the list
#   scripts/mutants.sh fhr-       only the faults whose name contains "fhr-"
#
# Needs a configured build directory "build" (cmake --preset default) and a
# clean work tree for the files of the list. Not part of the test command: it
# takes several minutes.
set -u
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD="$ROOT/build"
FILTER="${1:-}"
JOBS="${MUTANTS_JOBS:-2}"
TIMEOUT="${MUTANTS_TIMEOUT:-300}"
LOG_DIR="$BUILD/mutants"
export QT_QPA_PLATFORM=offscreen

# Each fault: a line "@ name | file | test executables", the exact text to
# replace ("- ...", one line, found exactly once in the file) and its
# replacement ("+ ..."). Text after "- " and "+ " is taken as it stands. A
# fault marked "| root" at the end of its first line can only be seen by a
# privileged user (the system lets root write where others may not); run by
# another user it is skipped and not counted.
read -r -d '' FAULTS <<'LIST'
@ cipher-key-index | src/core/data_cipher.cpp | core_tests
- kKey[(j + 6) % kPasswordCapacity]
+ kKey[(j + 7) % kPasswordCapacity]
@ save-rename-keeps-temporary | src/core/file_io.cpp | core_tests
- if (::rename(tmp.c_str(), path.c_str()) != 0) {
+ if (::rename(tmp.c_str(), path.c_str()) != 0) { Throw(errno, path, IoAccess::Write);
@ save-replaces-protected-file | src/core/file_io.cpp | core_tests
- if (IsWriteProtected(path)) Throw(EACCES, path, IoAccess::Write);
+ if (false) Throw(EACCES, path, IoAccess::Write);
@ save-ignores-cleared-write-bits | src/core/file_io.cpp | core_tests | root
- return ::access(path.c_str(), W_OK) != 0 || NoWriteBits(path);
+ return ::access(path.c_str(), W_OK) != 0 || (false && NoWriteBits(path));
@ u16-high-byte | src/core/byte_fields.cpp | core_tests
- block[offset + 1] = static_cast<uint8_t>(value >> 8);
+ block[offset + 1] = static_cast<uint8_t>(value >> 9);
@ delete-shifts-one-short | src/core/record_list_operations.cpp | core_tests
- for (size_t k = current; k < kSpillSlot; ++k) table.At(k) = std::move(table.At(k + 1));
+ for (size_t k = current; k + 1 < kSpillSlot; ++k) table.At(k) = std::move(table.At(k + 1));
@ settings-damaged-main-skips-backup | src/settings/general_settings.cpp | settings_b_tests
- if (!bytes) return TryBackup(dir);
+ if (!bytes) return false;
@ settings-password-length-15-damaged | src/settings/general_settings.cpp | settings_b_tests
- if (s.PasswordLength > kConfigPasswordWidth) throw IoError(kGeneralSettingsDamaged);
+ if (s.PasswordLength >= kConfigPasswordWidth) throw IoError(kGeneralSettingsDamaged);
@ config-password-three-characters | src/settings/settings_passwords.cpp | settings_b_tests
- return first == second && first.size() > 3;
+ return first == second && first.size() > 2;
@ name-list-entry-limit | src/settings/name_lists.cpp | settings_a_tests
- if (entry.size() > limit) {
+ if (entry.size() >= limit) {
@ catalogue-last-built-in-entry | src/settings/subject_catalogue.cpp | settings_a_tests
- if (index >= 1 && index <= kBuiltInCount) {
+ if (index >= 1 && index < kBuiltInCount) {
@ fhr-grade-10-language-late | src/rules/fhr.cpp | rules_fhr_promotion_tests golden_cases_tests
- const bool late = language.FromGrade > std::string("10");
+ const bool late = language.FromGrade >= std::string("10");
@ fhr-grade-step | src/rules/fhr.cpp | rules_fhr_promotion_tests golden_cases_tests
- d += 5.703;
+ d += 5.7;
@ fhr-basic-passed-at-four | src/rules/fhr.cpp | rules_fhr_promotion_tests golden_cases_tests
- if (slot.Points[s] >= 5) ++basic_passed;
+ if (slot.Points[s] >= 4) ++basic_passed;
@ promotion-two-threes | src/rules/promotion.cpp | rules_fhr_promotion_tests
- return CountMark(pool, '1') + CountMark(pool, '2') > 0 || CountMark(pool, '3') >= 2;
+ return CountMark(pool, '1') + CountMark(pool, '2') > 0 || CountMark(pool, '3') > 2;
@ promotion-ten-best | src/rules/promotion.cpp | rules_fhr_promotion_tests
- if (further.size() > 9) further.resize(9);
+ if (further.size() > 10) further.resize(10);
@ recommendation-written-equal-average | src/rules/recommendations.cpp | rules_fhr_promotion_tests
- const bool written_short = !IsValidMark(slot.Points[5]) || slot.Points[5] < average;
+ const bool written_short = !IsValidMark(slot.Points[5]) || slot.Points[5] <= average;
@ recommendation-three-orals | src/rules/recommendations.cpp | rules_fhr_promotion_tests
- if (!best_case && counts.OralExams > 3) flags[20] = static_cast<uint16_t>(counts.OralExams);
+ if (!best_case && counts.OralExams >= 3) flags[20] = static_cast<uint16_t>(counts.OralExams);
@ grade-minimum-fails | src/rules/grade.cpp | rules_compute_tests golden_cases_tests
- if (total < minimum) return 0;  // not passed
+ if (total <= minimum) return 0;  // not passed
@ block-three-minimum | src/rules/block_computation.cpp | rules_compute_tests golden_cases_tests
- if (check_iii && result.BlockIII < ctx.Exam.BlockIIIMin) list.Raise(113);
+ if (check_iii && result.BlockIII <= ctx.Exam.BlockIIIMin) list.Raise(113);
@ projection-last-semester | src/rules/projection.cpp | rules_compute_tests golden_cases_tests
- for (size_t s = from + 1; s <= 4; ++s) slot.Points[s] = slot.Points[from];
+ for (size_t s = from + 1; s < 4; ++s) slot.Points[s] = slot.Points[from];
@ exam-slots-first-advanced | src/rules/exam_slots.cpp | rules_compute_tests golden_cases_tests
- if (first > 1) std::swap(slots[1], slots[first]);
+ if (first > 2) std::swap(slots[1], slots[first]);
@ block-one-passed-at-five | src/rules/block_one_check.cpp | rules_checks_tests golden_cases_tests
- if (slot.Points[s] >= 5) ++basic_credited_five;
+ if (slot.Points[s] > 5) ++basic_credited_five;
@ course-choice-basic-maximum | src/rules/course_choice_check.cpp | rules_checks_tests golden_cases_tests
- if (basic > x.MaxBasicCourses) list.Raise(11);
+ if (basic >= x.MaxBasicCourses) list.Raise(11);
@ open-backup-name | src/app/data_file_commands.cpp | app_tests data_file_conflict_tests
- name.replace(name.size() - 3, 3, "BAK");
+ name.replace(name.size() - 4, 4, "BAK");
@ save-unrecorded-time-unasked | src/app/data_file_commands.cpp | app_tests data_file_conflict_tests
- return WriteTimeOf(target) != data.LastWriteTime || data.LastWriteTime == fs::file_time_type{};
+ return WriteTimeOf(target) != data.LastWriteTime;
@ search-again-finds-current | src/app/record_commands.cpp | record_commands_tests
- return SearchFrom(state, ui, current + 1, current);
+ return SearchFrom(state, ui, current, current);
@ points-input-fifteen | src/app/input_limits.cpp | editor_model_tests
- return value <= 15 ? InputState::Acceptable : InputState::Invalid;
+ return value < 15 ? InputState::Acceptable : InputState::Invalid;
@ set-back-last-semester | src/app/set_back_commands.cpp | set_back_tests
- for (size_t s = rule.FirstSemester; s <= core::kSemesterCount; ++s) {
+ for (size_t s = rule.FirstSemester; s < core::kSemesterCount; ++s) {
@ cli-run-writes-alt | src/cli/run_command.cpp | cli_end_to_end_tests
- if (!field.empty()) core::ApplyCipher(block, field, core::CipherVariant::Neu);
+ if (!field.empty()) core::ApplyCipher(block, field, line.Variant);
@ cli-extra-operands | src/cli/command_line.cpp | cli_tests cli_end_to_end_tests
- if (line.Operands.size() != info->OperandCount) {
+ if (line.Operands.size() < info->OperandCount) {
@ cli-json-text-length | src/cli/record_json.cpp | cli_tests cli_end_to_end_tests
- if (text->size() > max_length) {
+ if (text->size() >= max_length) {
@ print-control-table-line-spacing | src/print/format_table.cpp | print_tests
- const uint16_t y = static_cast<uint16_t>(540 + 60 * r);
+ const uint16_t y = static_cast<uint16_t>(540 + 50 * r);
@ print-device-offset-unit | src/print/print_primitives.cpp | print_tests print_settings_tests
- return std::llround(static_cast<double>(pixels) * 254.0 / dpi);
+ return std::llround(static_cast<double>(pixels) * 250.0 / dpi);
@ print-text-lines-spacing | src/print/print_primitives.cpp | print_tests
- const PageMargins& margins, int page, const FormatEntry& entry) {
+ const PageMargins& margins, int page, const FormatEntry& entry) { ++spacing;
@ export-field-separator | src/exchange/export_text.cpp | exchange_tests
- if (i > 0) line += kFieldSeparator;
+ if (i > 1) line += kFieldSeparator;
@ results-name-cut | src/exchange/results_export.cpp | exchange_tests
- given.resize(kResultsNameLength - record.Surname.size());
+ given.resize(kResultsNameLength - record.Surname.size() - 1);
@ import-leap-century | src/exchange/person_import.cpp | exchange_tests
- const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
+ const bool leap = year % 4 == 0;
LIST

fail() {
  echo "mutants.sh: $*" >&2
  exit 2
}

# The file currently changed, put back on any exit.
CURRENT=""
restore() {
  if [ -n "$CURRENT" ]; then
    git checkout -- "$CURRENT"
    CURRENT=""
  fi
}
trap restore EXIT
trap 'exit 130' INT TERM

# The path of a test executable below build/tests.
executable() {
  find "$BUILD/tests" -maxdepth 2 -type f -name "$1" -perm -u+x | head -n 1
}

build() {
  cmake --build "$BUILD" -j"$JOBS" --target "$@" >"$LOG_DIR/build.log" 2>&1
}

# Runs the executables; returns 0 when all pass.
run_tests() {
  local name exe
  for name in "$@"; do
    exe=$(executable "$name")
    [ -n "$exe" ] || return 2
    if ! (cd "$(dirname "$exe")" && timeout "$TIMEOUT" "$exe" >"$LOG_DIR/$name.log" 2>&1); then
      return 1
    fi
  done
  return 0
}

# Number of times the text of $MUT_FROM occurs in the file $1.
occurrences() {
  perl -0777 -ne 'my $s = $ENV{MUT_FROM}; my $n = () = /\Q$s\E/g; print $n' "$1"
}

apply() {
  perl -0777 -i -pe 'my $s = $ENV{MUT_FROM}; my $r = $ENV{MUT_TO}; s/\Q$s\E/$r/' "$1"
}

[ -f "$BUILD/build.ninja" ] || fail "no build directory: run 'cmake --preset default' first"
mkdir -p "$LOG_DIR"

# Parse the list.
names=() files=() tests=() froms=() tos=() needs_root=()
while IFS= read -r line; do
  case "$line" in
    "@ "*)
      IFS='|' read -r name file exes needs <<<"${line#@ }"
      names+=("$(echo $name)")
      files+=("$(echo $file)")
      tests+=("$(echo $exes)")
      needs_root+=("$(echo ${needs:-})")
      ;;
    "- "*) froms+=("${line#- }") ;;
    "+ "*) tos+=("${line#+ }") ;;
    "") ;;
    *) fail "unreadable line in the list: $line" ;;
  esac
done <<<"$FAULTS"
[ ${#names[@]} -eq ${#froms[@]} ] && [ ${#names[@]} -eq ${#tos[@]} ] ||
  fail "every fault needs one '-' and one '+' line"

# Check the list before anything is changed: each file clean, each text once.
selected=()
skipped=()
for i in "${!names[@]}"; do
  case "${names[$i]}" in *"$FILTER"*) ;; *) continue ;; esac
  if [ "${needs_root[$i]}" = root ] && [ "$(id -u)" != 0 ]; then
    skipped+=("${names[$i]}")
  else
    selected+=("$i")
  fi
done
[ ${#selected[@]} -gt 0 ] || fail "no fault matches '$FILTER'"
all_tests=()
for i in "${selected[@]}"; do
  f="${files[$i]}"
  [ -f "$f" ] || fail "${names[$i]}: no file $f"
  git diff --quiet -- "$f" || fail "$f has uncommitted changes; commit or stash them first"
  n=$(MUT_FROM="${froms[$i]}" occurrences "$f")
  [ "$n" = 1 ] || fail "${names[$i]}: the text occurs $n times in $f, not once"
  read -r -a list <<<"${tests[$i]}"
  all_tests+=("${list[@]}")
done
mapfile -t all_tests < <(printf '%s\n' "${all_tests[@]}" | sort -u)

# The tests must pass on the unchanged source, or a failure would mean nothing.
echo "Baseline: building and running ${all_tests[*]}"
build "${all_tests[@]}" || fail "the unchanged source does not build (see $LOG_DIR/build.log)"
run_tests "${all_tests[@]}" || fail "the tests fail on the unchanged source (see $LOG_DIR)"

caught=0
missed=0
missed_names=()
for i in "${selected[@]}"; do
  name="${names[$i]}"
  file="${files[$i]}"
  read -r -a list <<<"${tests[$i]}"
  CURRENT="$file"
  MUT_FROM="${froms[$i]}" MUT_TO="${tos[$i]}" apply "$file"
  if git diff --quiet -- "$file"; then fail "$name: the replacement changed nothing"; fi
  if ! build "${list[@]}"; then
    result="does not build (counted as missed)"
    missed=$((missed + 1))
    missed_names+=("$name")
  elif run_tests "${list[@]}"; then
    result="MISSED"
    missed=$((missed + 1))
    missed_names+=("$name")
  else
    result="caught"
    caught=$((caught + 1))
  fi
  restore
  git diff --quiet -- "$file" || fail "$file is not clean after restoring it"
  printf '%-40s %-38s %s\n' "$name" "$file" "$result"
done

# Leave the build matching the source again.
build "${all_tests[@]}" || fail "the restored source does not build"

total=$((caught + missed))
echo
echo "caught $caught of $total ($((100 * caught / total)) %)"
[ ${#skipped[@]} -eq 0 ] || echo "skipped (only root can see them): ${skipped[*]}"
if [ "$missed" -gt 0 ]; then
  echo "missed: ${missed_names[*]}"
  exit 1
fi
exit 0
