#include "ui/dialogs/about_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#include "ui/qt_text.h"

namespace tolka::ui {

namespace {

// The project's version, set by the build.
constexpr const char* kVersion = TOLKA_VERSION;

}  // namespace

AboutWindow::AboutWindow(const core::Directories& dirs, QWidget* parent)
    : QDialog(parent), dirs_(dirs) {
  setObjectName(QStringLiteral("TAboutBox"));
  setWindowTitle(QStringLiteral("Informationen zum Programm"));
  setModal(false);
  auto* title = new QLabel(QStringLiteral("<h2>Tolka %1</h2>").arg(QLatin1String(kVersion)), this);
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("AboutText"));
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(text_);
  layout->addWidget(buttons);
}

void AboutWindow::ShowAbout() {
  text_->setText(QStringLiteral("Verwaltung der gymnasialen Oberstufe: Kurswahl, Zulassung, "
                                "Abiturergebnis und Zeugnisse.\n\n"
                                "Version: %1\nQt-Version: %2\n\nProgrammverzeichnis: %3\n"
                                "Einstellungsverzeichnis: %4\nListenverzeichnis: %5")
                     .arg(QLatin1String(kVersion), QLatin1String(qVersion()),
                          PathToQString(dirs_.Program), PathToQString(dirs_.Settings),
                          PathToQString(dirs_.Lists)));
  show();
  raise();
  activateWindow();
}

QString AboutWindow::Text() const { return text_->text(); }

}  // namespace tolka::ui

#include "moc_about_window.cpp"
