#include "ui/dialogs/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace tolka::ui {

Pacing ProgressDialog::SettingsSaved() {
  return {QStringLiteral("Tfortschrittdlg"), QStringLiteral("Speichern ..."),
          QStringLiteral("Speichern der Informationen:"), 150, 2000};
}

Pacing ProgressDialog::DataFileSaved() {
  return {QStringLiteral("SavingWindow"), QStringLiteral("Speichern ..."),
          QStringLiteral("Speichern der Daten:"), 60, 800};
}

ProgressDialog::ProgressDialog(const Pacing& pacing, QWidget* parent) : QDialog(parent) {
  setObjectName(pacing.object_name);
  setWindowTitle(pacing.caption);
  setModal(true);

  auto* label = new QLabel(pacing.label, this);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("ProgressBar"));
  bar_->setRange(0, 15);
  bar_->setTextVisible(false);
  bar_->setMinimumWidth(280);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(bar_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  step_timer_.setInterval(pacing.step_ms);
  close_timer_.setInterval(pacing.close_ms);
  close_timer_.setSingleShot(true);
  connect(&step_timer_, &QTimer::timeout, this, &ProgressDialog::Step);
  connect(&close_timer_, &QTimer::timeout, this, &QDialog::accept);
}

void ProgressDialog::Run() { exec(); }

void ProgressDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  bar_->setValue(1);
  step_timer_.start();
  close_timer_.start();
}

void ProgressDialog::hideEvent(QHideEvent* event) {
  step_timer_.stop();
  close_timer_.stop();
  QDialog::hideEvent(event);
}

void ProgressDialog::Step() {
  // Like a stepping progress bar of the platform: past the end it starts
  // again at the beginning.
  const int next = bar_->value() + 1;
  bar_->setValue(next > bar_->maximum() ? bar_->minimum() : next);
}

}  // namespace tolka::ui

#include "moc_progress_dialog.cpp"
