#include "ui/rules_commands.h"

#include <QMessageBox>

#include "rules/check_item_table.h"
#include "rules/check_report.h"
#include "ui/dialogs/check_report_window.h"
#include "ui/dialogs/exam_result_window.h"
#include "ui/dialogs/fhr_result_window.h"
#include "ui/dialogs/recommendation_window.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace tolka::ui {

bool CommandMarksChanged(const rules::PipelineOutcome& outcome) {
  const rules::PipelineRow* row = outcome.Row;
  if (row == nullptr || !row->MarksChanged) return false;
  return outcome.RecordChanged || !row->WritesBack;
}

rules::PipelineOutcome RunRulesCommand(QWidget* parent, app::AppState& state,
                                       rules::RulesState& rules_state, size_t index,
                                       std::string_view id, const std::function<void()>& refresh) {
  const rules::RuleContext context{state.Catalogue, state.Exam, state.General};
  rules::PipelineContext pipeline{context, rules_state};
  rules::PipelineOutcome outcome = rules::RunPipeline(pipeline, state.Data.Table, index, id);
  if (CommandMarksChanged(outcome)) state.Data.Modified = true;
  if (refresh) refresh();
  ShowRulesFinish(parent, state, rules_state, index, outcome);
  return outcome;
}

void ShowRulesFinish(QWidget* parent, const app::AppState& state, rules::RulesState& rules_state,
                     size_t index, const rules::PipelineOutcome& outcome) {
  const core::StudentRecord& student = state.Data.Table.At(index);
  switch (outcome.Finish) {
    case rules::FinishAction::None:
      return;
    case rules::FinishAction::Message: {
      const core::Icon icon =
          outcome.MessageIsWarning ? core::Icon::Warning : core::Icon::Information;
      const auto box =
          CreateMessageBox(parent, icon, MessageText(outcome.Message), core::Buttons::Ok);
      if (!outcome.MessageCaption.empty()) box->setWindowTitle(FromCore(outcome.MessageCaption));
      box->exec();
      return;
    }
    case rules::FinishAction::Report: {
      // Item 11 quotes the maximum number of basic courses as configured now.
      const rules::CheckItemTable items = rules::BuildCheckItemTable(state.Exam);
      const rules::CheckReport report =
          rules::BuildCheckReport(items, outcome.Title, student, rules_state.Results);
      CheckReportWindow window(parent);
      window.ShowReport(report);
      window.exec();
      return;
    }
    case rules::FinishAction::Result: {
      ExamResultWindow window(parent);
      window.ShowResult(outcome.Title, rules::StudentName(student), rules_state.Texts,
                        outcome.CurrentBlocks.BlockIII, state.Exam.BlockIIIMin);
      window.exec();
      return;
    }
    case rules::FinishAction::FhrResult: {
      FhrResultWindow window(parent);
      window.ShowResult(outcome.Title, rules::StudentName(student), rules_state.Texts);
      window.exec();
      return;
    }
    case rules::FinishAction::Recommendations: {
      RecommendationView view;
      view.Title = outcome.Title;
      view.Student = rules::StudentName(student);
      view.Texts = rules_state.Texts;
      view.Slots = rules_state.Slots;
      view.SlotsProjected = outcome.SlotsProjected;
      if (outcome.Recommendations) view.Flags = *outcome.Recommendations;
      RecommendationWindow window(parent);
      window.ShowRecommendations(view, state.Catalogue);
      window.exec();
      return;
    }
  }
}

}  // namespace tolka::ui
