#include "ui/editor/languages_page.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/editor/editor_fields.h"

namespace tolka::ui {

namespace {

constexpr std::array<const char*, core::kForeignLanguageCount> kRowLabels = {" 1.", " 2.", " 3.",
                                                                             "(4.)"};

}  // namespace

QString LanguageNoteText() {
  // The note's four lines; a line that ends in a blank runs on into the
  // next, so the box wraps the two sentences at whatever width it has.
  return QStringLiteral(
      "Eine 2. Fremdsprache - besonders wenn sie spätbeginnend ist - muß für eine "
      "korrekte Datenanalyse immer an Position 2 stehen!\n"
      "Vorher gewechselte Fremdsprachen können in den folgenden Positionen "
      "aufgenommen werden!");
}

LanguagesPage::LanguagesPage(QWidget* parent, InputNotices* /*notices*/) : RecordPage(parent) {
  setObjectName(QStringLiteral("LanguagesPage"));
  auto* page = new QVBoxLayout(this);

  auto* grid = new QGridLayout;
  grid->addWidget(Heading(QStringLiteral("Fach:"), this), 0, 1);
  grid->addWidget(Heading(QStringLiteral("von Klasse:"), this), 0, 2);
  grid->addWidget(Heading(QStringLiteral("bis Klasse:"), this), 0, 3);
  std::vector<QWidget*> order;
  for (size_t i = 0; i < rows_.size(); ++i) {
    const std::string n = std::to_string(i);
    Row& row = rows_[i];
    row.Subject = new ChoiceBox(this, ("LanguageSubject" + n).c_str());
    row.Subject->setMinimumContentsLength(6);
    row.FromGrade = new ChoiceBox(this, ("LanguageFromGrade" + n).c_str());
    row.ToGrade = new ChoiceBox(this, ("LanguageToGrade" + n).c_str());
    row.FromGrade->setMinimumContentsLength(3);
    row.ToGrade->setMinimumContentsLength(3);
    row.FromGrade->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    row.ToGrade->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const int r = static_cast<int>(i) + 1;
    grid->addWidget(Caption(QString::fromLatin1(kRowLabels[i]), row.Subject, this), r, 0);
    grid->addWidget(row.Subject, r, 1);
    grid->addWidget(row.FromGrade, r, 2);
    grid->addWidget(row.ToGrade, r, 3);
    const QString label = QStringLiteral("%1. Fremdsprache").arg(i + 1);
    row.Subject->setAccessibleName(label + QStringLiteral(", Fach"));
    row.FromGrade->setAccessibleName(label + QStringLiteral(", von Klasse"));
    row.ToGrade->setAccessibleName(label + QStringLiteral(", bis Klasse"));
    order.insert(order.end(), {row.Subject, row.FromGrade, row.ToGrade});
  }
  grid->setColumnStretch(1, 1);
  page->addLayout(grid);

  // One row per certificate: its name, then "kein", "kleines", "großes".
  const QStringList kinds = {QStringLiteral("kein"), QStringLiteral("kleines"),
                             QStringLiteral("großes")};
  auto* certificates = new QFormLayout;
  certificates->setContentsMargins(0, 6, 0, 6);
  const auto group = [this, &kinds, certificates](const QString& title, const char* name) {
    auto* radios = new RadioGroup(kinds, this, name);
    certificates->addRow(new QLabel(title, this), radios);
    return radios;
  };
  graecum_ = group(QStringLiteral("Graecum"), "Graecum");
  latinum_ = group(QStringLiteral("Latinum"), "Latinum");
  hebraicum_ = group(QStringLiteral("Hebraicum"), "Hebraicum");
  page->addLayout(certificates);
  for (RadioGroup* g : {graecum_, latinum_, hebraicum_}) {
    for (QAbstractButton* b : g->Buttons()) order.push_back(b);
  }

  page->addWidget(Heading(QStringLiteral("Unbedingt beachten!"), this));
  auto* note = new QPlainTextEdit(this);
  note->setObjectName(QStringLiteral("LanguageNote"));
  note->setReadOnly(true);
  note->setPlainText(LanguageNoteText());
  note->setFocusPolicy(Qt::NoFocus);
  note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Four lines, up to six when the width makes them wrap.
  const int line = note->fontMetrics().lineSpacing();
  const int frame = 2 * note->frameWidth() + 8;
  note->setMinimumHeight(line * 4 + frame);
  note->setMaximumHeight(line * 6 + frame);
  page->addWidget(note, 1);
  page->addStretch(0);
  ChainTabOrder(order);
}

void LanguagesPage::Show(const app::ShownRecord& shown) {
  for (size_t i = 0; i < rows_.size(); ++i) {
    const auto& v = shown.Values.ForeignLanguages[i];
    rows_[i].Subject->Fill(shown.Items.LanguageSubject[i], v.Subject);
    rows_[i].FromGrade->Fill(shown.Items.FromGrade[i], v.FromGrade);
    rows_[i].ToGrade->Fill(shown.Items.ToGrade[i], v.ToGrade);
  }
  graecum_->Fill(shown.Values.Graecum);
  latinum_->Fill(shown.Values.Latinum);
  hebraicum_->Fill(shown.Values.Hebraicum);
}

void LanguagesPage::Collect(app::EditorValues& v) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    auto& fl = v.ForeignLanguages[i];
    fl.Subject = rows_[i].Subject->Value();
    fl.FromGrade = rows_[i].FromGrade->Value();
    fl.ToGrade = rows_[i].ToGrade->Value();
  }
  v.Graecum = graecum_->Value();
  v.Latinum = latinum_->Value();
  v.Hebraicum = hebraicum_->Value();
}

}  // namespace tolka::ui

#include "moc_languages_page.cpp"
