#include "ui/editor/learning_achievement_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/input_limits.h"
#include "ui/editor/editor_fields.h"

namespace tolka::ui {

SpecialWorkPage::SpecialWorkPage(QWidget* parent, InputNotices* notices) : RecordPage(parent) {
  setObjectName(QStringLiteral("SpecialWorkPage"));
  topic_ = new FreeTextEdit(this, "SpecialWorkTopic", app::input_width::kSpecialWorkTopic, notices);
  mentor_ = TextField(this, "SpecialWorkMentor", app::input_width::kPlace, notices);
  counts_ = new TriStateBox(QStringLiteral("soll angerechnet werden"), this, "SpecialWorkCounts");
  doc_points_ = PointsField(this, "SpecialWorkDocPoints", notices);
  colloquium_points_ = PointsField(this, "SpecialWorkColloquiumPoints", notices);
  total_ = PointsField(this, "SpecialWorkTotal", notices);
  // Four lines of text: the topic holds at most 199 characters.
  topic_->setFixedHeight(topic_->fontMetrics().lineSpacing() * 4 + 2 * topic_->frameWidth() + 8);

  auto* page = new QVBoxLayout(this);
  page->addWidget(Caption(QStringLiteral("Thema:"), topic_, this));
  page->addWidget(topic_);
  auto* form = new QFormLayout;
  form->addRow(Caption(QStringLiteral("MentorIn:"), mentor_, this), mentor_);
  form->addRow(QString(), counts_);
  form->addRow(Caption(QStringLiteral("Bewertung Dokumentation:"), doc_points_, this), doc_points_);
  form->addRow(Caption(QStringLiteral("Bewertung Kolloquium:"), colloquium_points_, this),
               colloquium_points_);
  form->addRow(Caption(QStringLiteral("Gesamtnote:"), total_, this), total_);
  page->addLayout(form);
  page->addStretch(1);
  ChainTabOrder({topic_, mentor_, counts_, doc_points_, colloquium_points_, total_});
}

void SpecialWorkPage::Show(const app::ShownRecord& shown) {
  const app::EditorValues& v = shown.Values;
  topic_->Fill(v.SpecialWorkTopic);
  mentor_->Fill(v.SpecialWorkMentor);
  counts_->Fill(v.SpecialWorkCounts);
  doc_points_->Fill(v.SpecialWorkDocPoints);
  colloquium_points_->Fill(v.SpecialWorkColloquiumPoints);
  total_->Fill(v.SpecialWorkTotal);
}

void SpecialWorkPage::Collect(app::EditorValues& v) const {
  v.SpecialWorkTopic = topic_->Value();
  v.SpecialWorkMentor = mentor_->Value();
  v.SpecialWorkCounts = counts_->Value();
  v.SpecialWorkDocPoints = doc_points_->Value();
  v.SpecialWorkColloquiumPoints = colloquium_points_->Value();
  v.SpecialWorkTotal = total_->Value();
}

}  // namespace tolka::ui

#include "moc_learning_achievement_page.cpp"
