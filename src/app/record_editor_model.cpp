#include "app/record_editor_model.h"

#include <algorithm>
#include <limits>

#include "app/input_limits.h"
#include "core/record_texts.h"

namespace tolka::app {

namespace {

namespace W = core::record_width;
using core::StudentRecord;

EditText Filled(const std::string& text) { return {text, false}; }

CheckState CheckOf(uint16_t flag) {
  if (flag == 0) return CheckState::Unchecked;
  if (flag == 1) return CheckState::Checked;
  return CheckState::Greyed;
}

bool IsNothingChosen(const std::string& text) {
  return text.empty() || text == core::kNothingChosen;
}

// The controls of `rec` as Show record fills them, before the template.
EditorValues ValuesOf(const StudentRecord& rec) {
  EditorValues v;
  v.StudentId = Filled(rec.StudentId);
  v.Salutation = static_cast<int>(rec.Salutation) - 1;  // code 0 shows no item
  v.Surname = Filled(rec.Surname);
  v.GivenNames = Filled(rec.GivenNames);
  v.BirthDate = Filled(rec.BirthDate);  // empty: an empty date box
  v.BirthPlace = Filled(rec.BirthPlace);
  v.Residence = Filled(rec.Residence);
  v.ClassName = rec.ClassName;
  v.Tutor = rec.Tutor;
  v.Religion = rec.Religion;
  for (size_t i = 0; i < core::kForeignLanguageCount; ++i) {
    const auto& fl = rec.ForeignLanguages[i];
    v.ForeignLanguages[i] = {fl.Subject, fl.FromGrade, fl.ToGrade};
  }
  v.Graecum = rec.Graecum;
  v.Latinum = rec.Latinum;
  v.Hebraicum = rec.Hebraicum;
  for (size_t r = 0; r < core::kIntroPhaseRowCount; ++r) {
    const auto& row = rec.IntroPhase[r];
    auto& shown = v.IntroPhase[r];
    if (IntroRowHasSubjectBox(r)) shown.Subject = row.Subject;
    shown.Mark1 = Filled(row.Mark1);
    if (IntroRowHasMark2(r)) shown.Mark2 = Filled(row.Mark2);
  }
  v.RepeatsIntroPhase = CheckOf(rec.RepeatsIntroPhase);
  v.SkippedIntroPhase = CheckOf(rec.SkippedIntroPhase);
  v.CompensationAllowable = CheckOf(rec.CompensationAllowable);
  v.CompensationGranted = CheckOf(rec.CompensationGranted);
  v.PromotableToQualPhase = CheckOf(rec.PromotableToQualPhase);
  v.PromotedByConference = CheckOf(rec.PromotedByConference);
  for (size_t k = 0; k < kEditorCourseRows; ++k) {
    const auto& choice = rec.CourseChoices[k];
    v.CourseChoices[k] = {choice.Subject, CheckOf(choice.ExamSubject),
                          CheckOf(choice.AdvancedCourse)};
    const auto& result = rec.CourseResults[k];
    auto& shown = v.CourseResults[k];
    for (size_t s = 0; s < core::kSemesterCount; ++s) {
      shown.SemesterPoints[s] = Filled(result.SemesterPoints[s]);
      shown.Credited[s] = CheckOf(result.Credited[s]);
    }
    shown.WrittenExamPoints = Filled(result.WrittenExamPoints);
    shown.OralExamPoints = Filled(result.OralExamPoints);
    shown.CompetenceFlag = CheckOf(result.CompetenceFlag);
  }
  v.SpecialWorkTopic = FreeTextShown(rec.SpecialWorkTopic);
  v.SpecialWorkMentor = Filled(rec.SpecialWorkMentor);
  v.SpecialWorkCounts = CheckOf(rec.SpecialWorkCounts);
  v.SpecialWorkDocPoints = Filled(rec.SpecialWorkDocPoints);
  v.SpecialWorkColloquiumPoints = Filled(rec.SpecialWorkColloquiumPoints);
  v.SpecialWorkTotal = Filled(rec.SpecialWorkTotal);
  v.InternalRemarks = FreeTextShown(rec.InternalRemarks);
  v.CertificateRemarks = FreeTextShown(rec.CertificateRemarks);
  for (size_t p = 0; p < kEditorProjectCourses; ++p) v.ProjectCourses[p] = rec.ProjectCourses[p];
  v.ProjectCoursesHoldSpecialWork = CheckOf(rec.ProjectCoursesHoldSpecialWork);
  return v;
}

ChoiceItems WithShownText(const ItemList& list, const Choice& shown) {
  ChoiceItems items = list;
  if (shown && std::find(items.begin(), items.end(), *shown) == items.end()) {
    items.push_back(*shown);
  }
  return items;
}

const ItemList& IntroSubjectList(const ItemLists& lists, size_t row) {
  if (row == 4) return lists.ReligionSubjects;
  if (row == 9 || row == 10) return lists.Languages;
  if (row == 11 || row == 12) return lists.Sciences;
  return lists.Electives;  // rows 13..16
}

// A date box left untouched that shows no digits: the mask's "  .  .    "
// or nothing at all.
bool ShowsNoDate(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '.'; });
}

uint16_t RadioCode(int item, int offset) {
  if (item < 0) return 0;
  const long code = static_cast<long>(item) + offset;
  return static_cast<uint16_t>(std::min<long>(code, std::numeric_limits<uint16_t>::max()));
}

// Stores the controls one by one and notes whether any counted as a change.
struct Storer {
  bool changed = false;

  void Edit(std::string& field, const EditText& box, size_t width) {
    field = box.Text.substr(0, width);
    if (box.Edited) changed = true;
  }
  void Date(std::string& field, const EditText& box) {
    if (!box.Edited && field.empty() && ShowsNoDate(box.Text)) return;
    Edit(field, box, W::kBirthDate);
  }
  void Pick(std::string& field, const Choice& box, size_t width) {
    const std::string text = box.value_or(std::string()).substr(0, width);
    if (text != field) changed = true;
    field = text;
  }
  void Radio(uint16_t& field, uint16_t code) {
    if (code != field) changed = true;
    field = code;
  }
  void Check(uint16_t& field, CheckState box) {
    // A box left greyed still shows the stored value other than 0 and 1:
    // it stays as it is (browsing must not turn it into 0).
    if (box == CheckState::Greyed) return;
    // A click on a greyed box (3 -> 1) is a change as well.
    const uint16_t value = box == CheckState::Checked ? 1 : 0;
    if (value != field) changed = true;
    field = value;
  }
  void Free(std::string& field, const std::string& shown, size_t array_size) {
    const std::string text = FreeTextStored(shown, array_size - 1);
    if (text != field.substr(0, field.find('\0'))) changed = true;
    field = text;
  }
};

}  // namespace

EditorItems ItemsFor(const ItemLists& lists, const EditorValues& values) {
  EditorItems items;
  items.ClassName = WithShownText(lists.Classes, values.ClassName);
  items.Tutor = WithShownText(lists.Tutors, values.Tutor);
  items.Religion = WithShownText(lists.Religions, values.Religion);
  for (size_t i = 0; i < core::kForeignLanguageCount; ++i) {
    const auto& fl = values.ForeignLanguages[i];
    items.LanguageSubject[i] = WithShownText(lists.Languages, fl.Subject);
    items.FromGrade[i] = WithShownText(lists.Grades, fl.FromGrade);
    items.ToGrade[i] = WithShownText(lists.Grades, fl.ToGrade);
  }
  for (size_t r = 0; r < core::kIntroPhaseRowCount; ++r) {
    if (!IntroRowHasSubjectBox(r)) continue;
    items.IntroSubject[r] = WithShownText(IntroSubjectList(lists, r), values.IntroPhase[r].Subject);
  }
  for (size_t k = 0; k < kEditorCourseRows; ++k) {
    items.CourseSubject[k] = WithShownText(lists.CourseSubjects, values.CourseChoices[k].Subject);
  }
  for (size_t p = 0; p < kEditorProjectCourses; ++p) {
    items.ProjectCourse[p] = WithShownText(lists.ProjectCourses, values.ProjectCourses[p]);
  }
  return items;
}

ShownRecord ShowRecord(const AppState& state, const ItemLists& lists, size_t slot) {
  const core::StudentTable& table = state.Data.Table;
  const StudentRecord& rec = table.At(slot);
  ShownRecord shown;
  shown.Values = ValuesOf(rec);

  // Predecessor template ("bei neuem Schüler Vorgänger als Teilvorlage
  // nutzen"): shown only; the next transfer stores it.
  if (state.General.PredecessorAsTemplate == 1 && slot > 0 && core::IsFree(rec)) {
    const StudentRecord& before = table.At(slot - 1);
    EditorValues& v = shown.Values;
    if (rec.BirthPlace.empty()) v.BirthPlace = Filled(before.BirthPlace);
    if (rec.Residence.empty()) v.Residence = Filled(before.Residence);
    if (rec.ClassName == core::kNothingChosen) v.ClassName = before.ClassName;
    if (rec.Tutor == core::kNothingChosen) v.Tutor = before.Tutor;
  }

  shown.Items = ItemsFor(lists, shown.Values);
  for (size_t k = 0; k < kEditorCourseRows; ++k) {
    shown.Labels.CourseRoles[k] = CourseRoleOf(rec.CourseChoices[k]);
    shown.Labels.ResultCaptions[k] = rec.CourseResults[k].SubjectCopy;
  }
  return shown;
}

std::string CourseWarningText(core::CourseChange change) {
  const std::string head =
      "Es wurde eventuell die Kurswahl geändert!\r\rBitte unbedingt die Bewertungen prüfen!\r";
  if (change == core::CourseChange::Removed) {
    return head + "(Lösch-Funktion für Bewertungen noch nicht integriert bzw. in Arbeit!)";
  }
  return head + "(Tausch-Funktion noch nicht integriert bzw. in Arbeit!)";
}

TransferResult Transfer(AppState& state, size_t slot, const EditorValues& v) {
  TransferResult result;
  StudentRecord& rec = state.Data.Table.At(slot);
  if (state.Data.ShownEnciphered) return result;
  result.Transferred = true;

  Storer s;
  s.Edit(rec.StudentId, v.StudentId, W::kStudentId);
  s.Radio(rec.Salutation, RadioCode(v.Salutation, 1));
  s.Edit(rec.Surname, v.Surname, W::kName);
  s.Edit(rec.GivenNames, v.GivenNames, W::kName);
  s.Date(rec.BirthDate, v.BirthDate);
  s.Edit(rec.BirthPlace, v.BirthPlace, W::kPlace);
  s.Edit(rec.Residence, v.Residence, W::kPlace);
  s.Pick(rec.ClassName, v.ClassName, W::kClassName);
  s.Pick(rec.Tutor, v.Tutor, W::kName);
  s.Pick(rec.Religion, v.Religion, W::kName);
  for (size_t i = 0; i < core::kForeignLanguageCount; ++i) {
    auto& fl = rec.ForeignLanguages[i];
    s.Pick(fl.Subject, v.ForeignLanguages[i].Subject, W::kSubject);
    s.Pick(fl.FromGrade, v.ForeignLanguages[i].FromGrade, W::kPoints);
    s.Pick(fl.ToGrade, v.ForeignLanguages[i].ToGrade, W::kPoints);
  }
  s.Radio(rec.Graecum, RadioCode(v.Graecum, 0));
  s.Radio(rec.Latinum, RadioCode(v.Latinum, 0));
  s.Radio(rec.Hebraicum, RadioCode(v.Hebraicum, 0));
  for (size_t r = 0; r < core::kIntroPhaseRowCount; ++r) {
    auto& row = rec.IntroPhase[r];
    if (IntroRowHasSubjectBox(r)) s.Pick(row.Subject, v.IntroPhase[r].Subject, W::kSubject);
    s.Edit(row.Mark1, v.IntroPhase[r].Mark1, W::kMark);
    if (IntroRowHasMark2(r)) s.Edit(row.Mark2, v.IntroPhase[r].Mark2, W::kMark);
  }
  s.Check(rec.RepeatsIntroPhase, v.RepeatsIntroPhase);
  s.Check(rec.SkippedIntroPhase, v.SkippedIntroPhase);
  s.Check(rec.CompensationAllowable, v.CompensationAllowable);
  s.Check(rec.CompensationGranted, v.CompensationGranted);
  s.Check(rec.PromotableToQualPhase, v.PromotableToQualPhase);
  s.Check(rec.PromotedByConference, v.PromotedByConference);
  for (size_t k = 0; k < kEditorCourseRows; ++k) {
    auto& choice = rec.CourseChoices[k];
    s.Pick(choice.Subject, v.CourseChoices[k].Subject, W::kSubject);
    // The course-change rule on row k: its points stay, the user is warned.
    const core::CourseChange change = core::ApplyCourseChange(rec, k);
    if (change != core::CourseChange::None) {
      result.Warnings.push_back({k, change, CourseWarningText(change), core::Icon::Warning});
    }
    s.Check(choice.ExamSubject, v.CourseChoices[k].ExamSubject);
    s.Check(choice.AdvancedCourse, v.CourseChoices[k].AdvancedCourse);
  }
  for (size_t k = 0; k < kEditorCourseRows; ++k) {
    auto& res = rec.CourseResults[k];
    const auto& shown = v.CourseResults[k];
    for (size_t sem = 0; sem < core::kSemesterCount; ++sem) {
      s.Edit(res.SemesterPoints[sem], shown.SemesterPoints[sem], W::kPoints);
    }
    s.Edit(res.WrittenExamPoints, shown.WrittenExamPoints, W::kPoints);
    s.Edit(res.OralExamPoints, shown.OralExamPoints, W::kPoints);
    for (size_t sem = 0; sem < core::kSemesterCount; ++sem) {
      s.Check(res.Credited[sem], shown.Credited[sem]);
    }
    s.Check(res.CompetenceFlag, shown.CompetenceFlag);
  }
  s.Free(rec.SpecialWorkTopic, v.SpecialWorkTopic, W::kSpecialWorkTopic);
  s.Edit(rec.SpecialWorkMentor, v.SpecialWorkMentor, W::kPlace);
  s.Check(rec.SpecialWorkCounts, v.SpecialWorkCounts);
  s.Edit(rec.SpecialWorkDocPoints, v.SpecialWorkDocPoints, W::kPoints);
  s.Edit(rec.SpecialWorkColloquiumPoints, v.SpecialWorkColloquiumPoints, W::kPoints);
  s.Edit(rec.SpecialWorkTotal, v.SpecialWorkTotal, W::kPoints);
  s.Free(rec.InternalRemarks, v.InternalRemarks, W::kInternalRemarks);
  s.Free(rec.CertificateRemarks, v.CertificateRemarks, W::kCertificateRemarks);
  for (size_t p = 0; p < kEditorProjectCourses; ++p) {
    s.Pick(rec.ProjectCourses[p], v.ProjectCourses[p], W::kProjectCourse);
  }
  s.Check(rec.ProjectCoursesHoldSpecialWork, v.ProjectCoursesHoldSpecialWork);

  result.Changed = s.changed;
  if (s.changed) state.Data.Modified = true;
  return result;
}

void ShowCourseWarnings(const TransferResult& result, core::Interaction& ui) {
  for (const auto& warning : result.Warnings) ui.Tell(warning.Icon, warning.Text);
}

std::vector<std::string> StudentListLines(const core::StudentTable& table) {
  std::vector<std::string> lines;
  lines.reserve(core::kListCount);
  for (size_t i = 0; i < core::kListCount; ++i) lines.push_back(core::ListLine(table.At(i)));
  return lines;
}

EditorStep SelectStudent(AppState& state, const ItemLists& lists, size_t previous, size_t clicked,
                         const EditorValues& values) {
  core::StudentTable& table = state.Data.Table;
  StudentRecord& target = table.At(clicked);  // range check before anything is stored
  EditorStep step;
  step.Transfer = Transfer(state, previous, values);
  // Tutor and class of a new student from the student before; not while the
  // data are shown enciphered (the fields hold cipher bytes then).
  if (clicked >= 2 && !state.Data.ShownEnciphered) {
    const StudentRecord& before = table.At(clicked - 1);
    if (IsNothingChosen(target.Tutor)) target.Tutor = before.Tutor;
    if (IsNothingChosen(target.ClassName)) target.ClassName = before.ClassName;
  }
  step.ListLines = StudentListLines(table);
  step.Shown = ShowRecord(state, lists, clicked);
  step.Current = clicked;
  return step;
}

EditorStep SwitchPage(AppState& state, const ItemLists& lists, size_t current,
                      const EditorValues& values) {
  EditorStep step;
  step.Transfer = Transfer(state, current, values);
  step.Shown = ShowRecord(state, lists, current);
  step.Current = current;
  return step;
}

EditorStep TakeOverData(AppState& state, const ItemLists& lists, size_t current,
                        const EditorValues& values) {
  EditorStep step = SwitchPage(state, lists, current, values);
  step.ListLines = StudentListLines(state.Data.Table);
  return step;
}

EditorStep DiscardData(const AppState& state, const ItemLists& lists, size_t current) {
  EditorStep step;
  step.Shown = ShowRecord(state, lists, current);
  step.Current = current;
  return step;
}

}  // namespace tolka::app
