#include "ui/dialogs/print_settings_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/io_error.h"
#include "ui/dialogs/settings_window_parts.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

namespace P = print;

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PrintSettingsWindow::PrintSettingsWindow(app::AppState& state, core::Interaction& ui,
                                         QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui) {
  setObjectName(QStringLiteral("TEinstellDrkForm"));
  setWindowTitle(QStringLiteral("Druck-Einstellungen"));
  setModal(true);

  // The margins: one row per form kind, two fields per page.
  auto* margin_box = new QGroupBox(QStringLiteral("Seitenränder [1/10 mm]"), this);
  auto* grid = new QGridLayout(margin_box);
  grid->setHorizontalSpacing(4);
  for (int page = 1; page <= 4; ++page) {
    auto* head = new QLabel(QStringLiteral("Seite %1").arg(page), margin_box);
    head->setAlignment(Qt::AlignCenter);
    grid->addWidget(head, 0, 2 * page - 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("links"), margin_box), 1, 2 * page - 1,
                    Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("oben"), margin_box), 1, 2 * page, Qt::AlignCenter);
  }
  for (size_t row = 0; row < P::margin_row::kCount; ++row) {
    const int grid_row = static_cast<int>(row) + 2;
    grid->addWidget(new QLabel(FromCore(P::MarginRowLabel(row)), margin_box), grid_row, 0);
    for (size_t page = 1; page <= P::MarginPageCount(row); ++page) {
      for (bool top : {false, true}) {
        const size_t index = P::MarginIndex(row, page, top);
        auto* edit = new QLineEdit(margin_box);
        edit->setObjectName(QStringLiteral("Edit%1").arg(index + 1));
        edit->setFixedWidth(56);
        edit->setMaxLength(12);
        edit->setAlignment(Qt::AlignRight);
        edit->setToolTip(FromCore(P::MarginFieldName(index)));
        margins_[index] = edit;
        grid->addWidget(edit, grid_row, 2 * static_cast<int>(page) - 1 + (top ? 1 : 0));
      }
    }
  }
  // Tab order: the fields in index order, as they are read.
  for (size_t i = 1; i < margins_.size(); ++i) setTabOrder(margins_[i - 1], margins_[i]);

  auto* mode_box = new QGroupBox(QStringLiteral("Druckart / Formulardruck"), this);
  mode_box->setObjectName(QStringLiteral("PrintModeGroup"));
  auto* mode_layout = new QVBoxLayout(mode_box);
  print_mode_ = new QButtonGroup(this);
  for (size_t mode = 0; mode < P::kPrintModeCount; ++mode) {
    auto* radio = new QRadioButton(FromCore(P::PrintModeItem(mode)), mode_box);
    radio->setObjectName(QStringLiteral("PrintMode%1").arg(mode));
    print_mode_->addButton(radio, static_cast<int>(mode));
    mode_layout->addWidget(radio);
  }

  auto* options = new QVBoxLayout;
  const auto check = [this, options](const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    options->addWidget(box);
    return box;
  };
  frame_ = check("FrameOption", QStringLiteral("bestimmte Formulare mit Rahmen drucken"));
  no_school_name_ = check("NoSchoolName", QString());
  no_certificate_name_ = check("NoCertificateName", QString());
  compensated_ = check("CompensatedFonts", QStringLiteral("Kyocera-Problem ausgleichen"));
  options->addStretch();

  auto* middle = new QHBoxLayout;
  middle->addWidget(mode_box);
  middle->addLayout(options);

  auto* standard = Button(this, "Button1", QStringLiteral("Standard wiederherstellen"));
  auto* cancel = Button(this, "Button2", QStringLiteral("Abbrechen"));
  auto* take_over = Button(this, "Button3", QStringLiteral("Einstellungen übernehmen"));
  take_over->setDefault(true);
  connect(standard, &QPushButton::clicked, this, &PrintSettingsWindow::RestoreStandard);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(take_over, &QPushButton::clicked, this, &PrintSettingsWindow::TakeOver);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(standard);
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(take_over);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(margin_box);
  layout->addLayout(middle);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool PrintSettingsWindow::Run() {
  // With a school name set, the names are always printed and the two
  // options are reserves.
  const auto captions = P::NameOptionCaptionsFor(!state_.School.SchoolName.empty());
  no_school_name_->setText(FromCore(captions.NoSchoolName));
  no_certificate_name_->setText(FromCore(captions.NoCertificateName));
  work_ = P::OpenPrintSettings(state_.Print, state_.Dirs, state_.CentralSettings(), ui_);
  Show(P::ViewOfPrintSettings(work_));
  margins_[0]->setFocus();
  CentreOnParent(this);
  return exec() == QDialog::Accepted;
}

void PrintSettingsWindow::Show(const P::PrintSettingsView& view) {
  for (size_t i = 0; i < margins_.size(); ++i) margins_[i]->setText(FromCore(view.Margins[i]));
  frame_->setChecked(view.FrameOption);
  no_school_name_->setChecked(view.NoSchoolName);
  no_certificate_name_->setChecked(view.NoCertificateName);
  compensated_->setChecked(view.CompensatedFonts);
  // A stored mode outside the items shows no selection.
  print_mode_->setExclusive(false);
  for (QAbstractButton* radio : print_mode_->buttons()) {
    radio->setChecked(print_mode_->id(radio) == view.PrintMode);
  }
  print_mode_->setExclusive(true);
}

P::PrintSettingsView PrintSettingsWindow::Read() const {
  P::PrintSettingsView view;
  for (size_t i = 0; i < margins_.size(); ++i) {
    // A character the code page lacks is no digit either: the field is
    // refused like any other text that is not a number.
    view.Margins[i] = ToCore(margins_[i]->text()).value_or(std::string("?"));
  }
  view.FrameOption = frame_->isChecked();
  view.NoSchoolName = no_school_name_->isChecked();
  view.NoCertificateName = no_certificate_name_->isChecked();
  view.CompensatedFonts = compensated_->isChecked();
  view.PrintMode = print_mode_->checkedId();  // -1: none
  return view;
}

void PrintSettingsWindow::RestoreStandard() {
  P::ResetPrintSettings(work_);
  Show(P::ViewOfPrintSettings(work_));
}

void PrintSettingsWindow::TakeOver() {
  try {
    const auto error = P::ApplyPrintSettings(state_.Print, work_, Read(), state_.Dirs,
                                             state_.CentralSettings(), ui_);
    if (error) {
      auto box =
          CreateMessageBox(this, core::Icon::Error, MessageText(error->Message), core::Buttons::Ok);
      box->setWindowTitle(FromCore(P::kMarginInputErrorTitle));
      box->exec();
      QLineEdit* edit = margins_[error->Index];
      edit->setFocus();
      edit->selectAll();
      return;
    }
  } catch (const IoError& e) {
    ui_.Tell(core::Icon::Error, e.what());
    return;
  }
  accept();
}

}  // namespace tolka::ui

#include "moc_print_settings_window.cpp"
