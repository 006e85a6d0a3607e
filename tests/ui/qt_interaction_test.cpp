#include "ui/qt_interaction.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTimer>

#include "support/temp_dir.h"
#include "ui/modal_driver.h"
#include "ui/qt_text.h"

namespace tolka::ui {
namespace {

TEST(FileFilter, DelphiFilterBecomesQtNameFilters) {
  EXPECT_EQ(ToQtFilter("Abiturdaten SL (*.TLK)|*.TLK"), QStringLiteral("Abiturdaten SL (*.TLK)"));
  // A description without its patterns gets them; ";" separates patterns.
  EXPECT_EQ(ToQtFilter("Textdateien|*.txt;*.csv"), QStringLiteral("Textdateien (*.txt *.csv)"));
  EXPECT_EQ(ToQtFilter("Abiturdaten (*.TLK)|*.TLK|Alle Dateien (*.*)|*.*"),
            QStringLiteral("Abiturdaten (*.TLK);;Alle Dateien (*.*)"));
  // Brackets that do not name the patterns are text of the description.
  EXPECT_EQ(ToQtFilter("Sicherung (alt)|*.BAK"), QStringLiteral("Sicherung (alt) (*.BAK)"));
  // Windows-1252 descriptions.
  EXPECT_EQ(ToQtFilter("F\xE4"
                       "cher|*.DAT"),
            QStringLiteral("Fächer (*.DAT)"));
  EXPECT_EQ(ToQtFilter(""), QString());
}

TEST(FileFilter, DefaultExtensionOnlyWhenNoneTyped) {
  EXPECT_EQ(WithDefaultExtension("/d/JG2024", "TLK"), std::filesystem::path("/d/JG2024.TLK"));
  EXPECT_EQ(WithDefaultExtension("/d/JG2024.tlk", "TLK"), std::filesystem::path("/d/JG2024.tlk"));
  EXPECT_EQ(WithDefaultExtension("/d/jg.2024", "TLK"), std::filesystem::path("/d/jg.2024"));
  // A dot in a directory name is no extension of the file.
  EXPECT_EQ(WithDefaultExtension("/d.x/JG", "TLK"), std::filesystem::path("/d.x/JG.TLK"));
  EXPECT_EQ(WithDefaultExtension("/d/JG", ""), std::filesystem::path("/d/JG"));
}

core::FileDialogRequest DataFileRequest(const std::filesystem::path& dir) {
  core::FileDialogRequest request;
  request.Filter = "Abiturdaten SL (*.TLK)|*.TLK";
  request.DefaultExtension = "TLK";
  request.InitialDirectory = dir;
  request.InitialName = "JG2024.TLK";
  return request;
}

TEST(FileDialog, SaveDialogDoesNotAskAboutOverwriting) {
  test::TempDir dir;
  QFileDialog dialog;
  ConfigureFileDialog(dialog, DataFileRequest(dir.path()), true);
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Abiturdaten SL (*.TLK)")});
  EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("TLK"));
  EXPECT_FALSE(dialog.filter().testFlag(QDir::CaseSensitive));
  EXPECT_EQ(QDir(dialog.directory()).canonicalPath(),
            QDir(PathToQString(dir.path())).canonicalPath());
  // The dialog's own title ("Speichern unter") when the request has none.
  EXPECT_FALSE(dialog.windowTitle().isEmpty());
}

TEST(FileDialog, OpenDialogWantsAnExistingFile) {
  test::TempDir dir;
  QFileDialog dialog;
  ConfigureFileDialog(dialog, DataFileRequest(dir.path()), false);
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  EXPECT_FALSE(dialog.filter().testFlag(QDir::CaseSensitive));
}

// The open dialog lists data files whatever the case of their extension.
TEST(FileDialog, OpenDialogListsTlkFilesOfEitherCase) {
  test::TempDir dir;
  for (const char* name : {"gross.TLK", "klein.tlk", "Gemischt.Tlk", "andere.txt", "x.TLK.BAK"}) {
    test::WriteAll(dir / name, {1});
  }
  QFileDialog dialog;
  ConfigureFileDialog(dialog, DataFileRequest(dir.path()), false);
  auto* model = dialog.findChild<QFileSystemModel*>();
  ASSERT_NE(model, nullptr);
  QEventLoop loop;
  QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop, &QEventLoop::quit);
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);  // never hang
  dialog.show();
  loop.exec();
  // Files that the filter hides are still counted until the sort has run.
  QApplication::processEvents();
  const QModelIndex root = model->index(PathToQString(dir.path()));
  QStringList listed;
  for (int row = 0; row < model->rowCount(root); ++row) {
    const QModelIndex index = model->index(row, 0, root);
    if (model->flags(index).testFlag(Qt::ItemIsEnabled)) listed << model->fileName(index);
  }
  listed.sort();
  EXPECT_EQ(listed, (QStringList{QStringLiteral("Gemischt.Tlk"), QStringLiteral("gross.TLK"),
                                 QStringLiteral("klein.tlk")}));
  dialog.hide();
}

// The real save dialog: a name typed without extension comes back with
// ".TLK", in the initial directory, and an existing file is not questioned.
TEST(FileDialog, SaveDialogAppendsTheDefaultExtension) {
  test::TempDir dir;
  test::WriteAll(dir / "vorhanden.TLK", {1, 2, 3});
  QWidget host;
  QtInteraction ui(&host);
  test::WhenModal<QFileDialog>([](QFileDialog* d) {
    auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QStringLiteral("Jahrgang"));
    static_cast<QDialog*>(d)->accept();  // QFileDialog::accept, as the button does
  });
  const auto chosen = ui.SaveFileDialog(DataFileRequest(dir.path()));
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->filename(), "Jahrgang.TLK");
  EXPECT_EQ(std::filesystem::canonical(chosen->parent_path()),
            std::filesystem::canonical(dir.path()));

  test::WhenModal<QFileDialog>([](QFileDialog* d) {
    d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QStringLiteral("vorhanden.TLK"));
    static_cast<QDialog*>(d)->accept();  // QFileDialog::accept, as the button does
  });
  const auto existing = ui.SaveFileDialog(DataFileRequest(dir.path()));
  ASSERT_TRUE(existing.has_value());
  EXPECT_EQ(existing->filename(), "vorhanden.TLK");

  test::WhenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_FALSE(ui.SaveFileDialog(DataFileRequest(dir.path())).has_value());
}

}  // namespace
}  // namespace tolka::ui
