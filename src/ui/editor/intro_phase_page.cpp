#include "ui/editor/intro_phase_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/record_texts.h"
#include "ui/editor/editor_fields.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

// The areas, each a group of consecutive rows.
struct Area {
  const char* Title;
  size_t First;
  size_t End;
};
constexpr std::array<Area, 3> kAreas = {
    {{"Pflichtbereich", 0, 9}, {"Wahlpflichtbereich", 9, 13}, {"Wahlbereich", 13, 17}}};

}  // namespace

QString IntroFixedSubject(size_t row) {
  switch (row) {
    case 0:
      return QStringLiteral("Deutsch");
    case 1:
      return QStringLiteral("Kunst und Gestaltung");
    case 2:
      return QStringLiteral("Musik");
    case 3:
      return QStringLiteral("Geschichte");
    case 5:
      return QStringLiteral("Sozialkunde");
    case 6:
      return QStringLiteral("Geographie");
    case 7:
      return QStringLiteral("Mathematik");
    case 8:
      return QStringLiteral("Sport");
    default:
      break;
  }
  return {};
}

IntroPhasePage::IntroPhasePage(QWidget* parent, InputNotices* notices) : RecordPage(parent) {
  setObjectName(QStringLiteral("IntroPhasePage"));
  auto* page = new QVBoxLayout(this);
  // "Pflichtbereich" on the left, the two choice areas on the right, each
  // area under its heading with the columns "Fach", "11.1", "11.2".
  auto* columns = new QHBoxLayout;
  columns->setSpacing(12);
  std::vector<QWidget*> order;
  QGridLayout* grid = nullptr;
  int line = 0;
  for (const Area& area : kAreas) {
    if (grid == nullptr || area.First == 9) {
      grid = new QGridLayout;
      grid->setVerticalSpacing(3);
      grid->setHorizontalSpacing(4);
      grid->setColumnStretch(0, 1);
      columns->addLayout(grid, 1);
      line = 0;
    }
    auto* heading = Heading(QString::fromUtf8(area.Title), this);
    heading->setObjectName(QString::fromLatin1(area.Title));
    grid->addWidget(heading, line, 0);
    grid->addWidget(new QLabel(QStringLiteral("11.1"), this), line, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("11.2"), this), line, 2, Qt::AlignHCenter);
    ++line;
    for (size_t r = area.First; r < area.End; ++r, ++line) {
      const std::string n = std::to_string(r);
      Row& row = rows_[r];
      row.Mark1 = MarkField(this, ("IntroMark1_" + n).c_str(), notices);
      if (app::IntroRowHasSubjectBox(r)) {
        row.Subject = new ChoiceBox(this, ("IntroSubject" + n).c_str());
        row.Subject->setMinimumContentsLength(6);
        grid->addWidget(row.Subject, line, 0);
        order.push_back(row.Subject);
      } else {
        grid->addWidget(Caption(IntroFixedSubject(r), row.Mark1, this), line, 0);
      }
      grid->addWidget(row.Mark1, line, 1);
      order.push_back(row.Mark1);
      if (app::IntroRowHasMark2(r)) {
        row.Mark2 = MarkField(this, ("IntroMark2_" + n).c_str(), notices);
        grid->addWidget(row.Mark2, line, 2);
        order.push_back(row.Mark2);
      }
    }
    if (area.End == 9 || area.End == core::kIntroPhaseRowCount) grid->setRowStretch(line, 1);
  }
  page->addLayout(columns);

  auto* flags = new QGridLayout;
  repeats_ = new TriStateBox(QStringLiteral("Wiederholung der Einführungsphase"), this,
                             "RepeatsIntroPhase");
  skipped_ =
      new TriStateBox(QStringLiteral("Einführungsphase übersprungen"), this, "SkippedIntroPhase");
  compensation_allowable_ =
      new TriStateBox(QStringLiteral("Notenausgleich gewährbar"), this, "CompensationAllowable");
  compensation_granted_ =
      new TriStateBox(QStringLiteral("Notenausgleich gewährt"), this, "CompensationGranted");
  promotable_ = new TriStateBox(QStringLiteral("versetzbar in Qualifikationsphase"), this,
                                "PromotableToQualPhase");
  promoted_by_conference_ = new TriStateBox(QStringLiteral("durch Beschluß d. Kl.-konf. versetzt"),
                                            this, "PromotedByConference");
  const std::array<TriStateBox*, 6> boxes = {repeats_,
                                             skipped_,
                                             compensation_allowable_,
                                             compensation_granted_,
                                             promotable_,
                                             promoted_by_conference_};
  flags->setContentsMargins(0, 8, 0, 0);
  flags->setVerticalSpacing(2);
  for (size_t i = 0; i < boxes.size(); ++i) {
    flags->addWidget(boxes[i], static_cast<int>(i), 0);
    order.push_back(boxes[i]);
  }
  page->addLayout(flags);
  page->addStretch(1);
  ChainTabOrder(order);
}

void IntroPhasePage::Show(const app::ShownRecord& shown) {
  for (size_t r = 0; r < rows_.size(); ++r) {
    const auto& v = shown.Values.IntroPhase[r];
    if (rows_[r].Subject != nullptr) rows_[r].Subject->Fill(shown.Items.IntroSubject[r], v.Subject);
    rows_[r].Mark1->Fill(v.Mark1);
    if (rows_[r].Mark2 != nullptr) rows_[r].Mark2->Fill(v.Mark2);
    // "Englisch, 11.1, Note" for a screen reader.
    QString name = IntroFixedSubject(r);
    if (rows_[r].Subject != nullptr) {
      name = v.Subject && *v.Subject != core::kNothingChosen ? FromCore(*v.Subject).trimmed()
                                                             : QStringLiteral("Wahlfach");
      rows_[r].Subject->setAccessibleName(
          QStringLiteral("Einführungsphase, Zeile %1, Fach").arg(r + 1));
    }
    rows_[r].Mark1->setAccessibleName(QStringLiteral("%1, 11.1, Note").arg(name));
    if (rows_[r].Mark2 != nullptr) {
      rows_[r].Mark2->setAccessibleName(QStringLiteral("%1, 11.2, Note").arg(name));
    }
  }
  const app::EditorValues& v = shown.Values;
  repeats_->Fill(v.RepeatsIntroPhase);
  skipped_->Fill(v.SkippedIntroPhase);
  compensation_allowable_->Fill(v.CompensationAllowable);
  compensation_granted_->Fill(v.CompensationGranted);
  promotable_->Fill(v.PromotableToQualPhase);
  promoted_by_conference_->Fill(v.PromotedByConference);
}

void IntroPhasePage::Collect(app::EditorValues& v) const {
  for (size_t r = 0; r < rows_.size(); ++r) {
    auto& row = v.IntroPhase[r];
    if (rows_[r].Subject != nullptr) row.Subject = rows_[r].Subject->Value();
    row.Mark1 = rows_[r].Mark1->Value();
    if (rows_[r].Mark2 != nullptr) row.Mark2 = rows_[r].Mark2->Value();
  }
  v.RepeatsIntroPhase = repeats_->Value();
  v.SkippedIntroPhase = skipped_->Value();
  v.CompensationAllowable = compensation_allowable_->Value();
  v.CompensationGranted = compensation_granted_->Value();
  v.PromotableToQualPhase = promotable_->Value();
  v.PromotedByConference = promoted_by_conference_->Value();
}

}  // namespace tolka::ui

#include "moc_intro_phase_page.cpp"
