// The recommendation window `THinwErgForm` ("Ergebnis: " + the command
// title): the block sums, totals and grades of the current state, with the
// exam marks estimated from the semester average, and with the best marks
// still possible; the four exam subjects of the `ExamSlots` with their
// written and oral marks (the estimated oral mark beside them); then every
// set recommendation in its colour, message 20 in bold.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "rules/recommendations.h"
#include "rules/rule_work_area.h"
#include "settings/subject_catalogue.h"
#include "ui/dialogs/result_grid.h"

class QVBoxLayout;
class QLabel;

namespace tolka::ui {

struct RecommendationView {
  std::string Title;
  std::string Student;
  rules::ResultTexts Texts;
  rules::ExamSlots Slots;           // the current state
  rules::ExamSlots SlotsProjected;  // the estimate
  rules::RecommendationFlags Flags{};
};

class RecommendationWindow : public QDialog {
  Q_OBJECT

 public:
  explicit RecommendationWindow(QWidget* parent = nullptr);

  void ShowRecommendations(const RecommendationView& view,
                           const settings::SubjectCatalogue& catalogue);

  const ResultGrid& Grid() const { return grid_; }
  // The message labels as shown, in order of their numbers.
  const std::vector<QLabel*>& Messages() const { return messages_; }

 private:
  ResultGrid grid_;
  // [slot 1..4][0 subject, 1 written, 2 oral, 3 estimated oral]
  std::array<std::array<QLineEdit*, 4>, 5> exam_fields_{};
  QVBoxLayout* message_box_ = nullptr;
  std::vector<QLabel*> messages_;
};

// The colour of a recommendation.
QColor RecommendationQColor(rules::RecommendationColour colour);

}  // namespace tolka::ui
