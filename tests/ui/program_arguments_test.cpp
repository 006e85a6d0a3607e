#include "ui/program_arguments.h"

#include <gtest/gtest.h>

#include <QDir>

#include "ui/qt_text.h"

namespace tolka::ui {
namespace {

TEST(ProgramArguments, NoFileStartsEmpty) {
  const ProgramArguments arguments = ParseProgramArguments({QStringLiteral("tolka")});
  EXPECT_FALSE(arguments.DataFile);
  EXPECT_TRUE(arguments.Error.isEmpty());
}

// Start-up moves into the program directory, so a relative name must be
// resolved against the folder of the call before that.
TEST(ProgramArguments, RelativeFileIsMadeAbsoluteAgainstTheWorkingDirectory) {
  const ProgramArguments arguments =
      ParseProgramArguments({QStringLiteral("tolka"), QStringLiteral("JG2026.TLK")});
  ASSERT_TRUE(arguments.DataFile);
  EXPECT_EQ(*arguments.DataFile,
            QStringToPath(QDir::current().filePath(QStringLiteral("JG2026.TLK"))));
  EXPECT_TRUE(arguments.DataFile->is_absolute());
}

TEST(ProgramArguments, FileAddressAndUmlautsArriveAsALocalPath) {
  const ProgramArguments arguments = ParseProgramArguments(
      {QStringLiteral("tolka"), QStringLiteral("file:///srv/schule/J%C3%A4hrgang%202026.TLK")});
  ASSERT_TRUE(arguments.DataFile);
  EXPECT_EQ(PathToQString(*arguments.DataFile), QStringLiteral("/srv/schule/Jährgang 2026.TLK"));
}

TEST(ProgramArguments, TwoFilesOrAnUnknownOptionAreRefusedWithAMessage) {
  ProgramArguments arguments = ParseProgramArguments(
      {QStringLiteral("tolka"), QStringLiteral("a.TLK"), QStringLiteral("b.TLK")});
  EXPECT_FALSE(arguments.DataFile);
  EXPECT_EQ(arguments.Error,
            QStringLiteral("Es kann nur eine Daten-Datei beim Start geöffnet werden."));
  arguments = ParseProgramArguments({QStringLiteral("tolka"), QStringLiteral("--gibtsnicht")});
  EXPECT_FALSE(arguments.DataFile);
  EXPECT_FALSE(arguments.Error.isEmpty());
}

}  // namespace
}  // namespace tolka::ui
