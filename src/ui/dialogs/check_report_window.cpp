#include "ui/dialogs/check_report_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace tolka::ui {

QColor ReportRoleColour(rules::ReportRole role) {
  switch (role) {
    case rules::ReportRole::Label:
      return QColor(Qt::black);
    case rules::ReportRole::Error:
      return QColor(Qt::red);
    case rules::ReportRole::Hint:
      return QColor(Qt::blue);
  }
  return QColor(Qt::black);
}

namespace {

void SetTextColour(QLineEdit* edit, const QColor& colour) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, colour);
  edit->setPalette(palette);
}

}  // namespace

CheckReportWindow::CheckReportWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFehlerfenster"));
  setWindowTitle(FromCore(rules::kReportWindowTitle));
  setModal(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("für (SchülerIN):"), this), 0, 0);
  student_ = new QLineEdit(this);
  student_->setObjectName(QStringLiteral("Student"));
  student_->setReadOnly(true);
  grid->addWidget(student_, 0, 1);

  grid->addWidget(new QLabel(QStringLiteral("Fehlerprotokoll:"), this), 1, 0, 1, 2);
  protocol_ = new QTextEdit(this);
  protocol_->setObjectName(QStringLiteral("Protocol"));
  protocol_->setReadOnly(true);
  protocol_->setLineWrapMode(QTextEdit::NoWrap);
  protocol_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  protocol_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->addWidget(protocol_, 2, 0, 1, 2);
  grid->setRowStretch(2, 1);

  grid->addWidget(new QLabel(QStringLiteral("Ergebnis:"), this), 3, 0);
  verdict_ = new QLineEdit(this);
  verdict_->setObjectName(QStringLiteral("Verdict"));
  verdict_->setReadOnly(true);
  verdict_->setText(FromCore(rules::kReportRunningVerdict));
  QFont bold = verdict_->font();
  bold.setBold(true);
  verdict_->setFont(bold);
  grid->addWidget(verdict_, 3, 1);

  auto* buttons = new QDialogButtonBox(this);
  auto* close = buttons->addButton(QStringLiteral("Beenden"), QDialogButtonBox::AcceptRole);
  close->setObjectName(QStringLiteral("Beenden"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  grid->addWidget(buttons, 4, 0, 1, 2);

  resize(560, 420);
}

void CheckReportWindow::ShowReport(const rules::CheckReport& report) {
  setWindowTitle(FromCore(report.Caption));
  student_->setText(FromCore(report.Student));
  protocol_->clear();
  QTextCursor cursor(protocol_->document());
  bool first = true;
  for (const rules::ReportLine& line : report.Lines) {
    if (!first) cursor.insertBlock();
    first = false;
    QTextCharFormat format;
    format.setForeground(ReportRoleColour(line.Role));
    cursor.insertText(FromCore(line.Text), format);
  }
  protocol_->moveCursor(QTextCursor::Start);
  verdict_->setText(FromCore(report.Verdict));
  SetTextColour(verdict_, ReportRoleColour(report.VerdictRole));
}

QString CheckReportWindow::StudentText() const { return student_->text(); }

QString CheckReportWindow::VerdictText() const { return verdict_->text(); }

}  // namespace tolka::ui

#include "moc_check_report_window.cpp"
