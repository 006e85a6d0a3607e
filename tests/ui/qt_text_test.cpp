#include "ui/qt_text.h"

#include <gtest/gtest.h>

#include <QMessageBox>

#include "ui/modal_driver.h"

namespace tolka::ui {
namespace {

TEST(QtText, CoreTextsAreWindows1252) {
  // "Größe" and the euro sign (0x80) as the core keeps them.
  EXPECT_EQ(FromCore("Gr\xF6\xDF"
                     "e \x80"),
            QStringLiteral("Größe €"));
  EXPECT_EQ(ToCore(QStringLiteral("Größe €")), std::optional<std::string>("Gr\xF6\xDF"
                                                                          "e \x80"));
}

TEST(QtText, MessageLineBreaks) {
  EXPECT_EQ(MessageText("a\rb\r\rc\r\nd"), QStringLiteral("a\nb\n\nc\nd"));
}

TEST(QtText, CharactersOutsideTheCodePageAreRefusedNotReplaced) {
  EXPECT_FALSE(ToCore(QStringLiteral("Łukasz")).has_value());
  EXPECT_EQ(FirstUnstorableCharacter(QStringLiteral("abcŁd")), QStringLiteral("Ł"));
  // A character beyond the 16-bit range stays one character.
  EXPECT_EQ(FirstUnstorableCharacter(QStringLiteral("ok 😀!")), QStringLiteral("😀"));
  EXPECT_TRUE(FirstUnstorableCharacter(QStringLiteral("Müller-Lüdenscheidt €")).isEmpty());
}

TEST(QtText, TypedTextNamesTheRefusedCharacter) {
  QString shown;
  test::WhenModal<QMessageBox>([&](QMessageBox* box) {
    shown = box->text();
    box->accept();
  });
  EXPECT_FALSE(TypedTextToCore(nullptr, QStringLiteral("Łódź")).has_value());
  EXPECT_TRUE(shown.contains(QStringLiteral("„Ł“"))) << shown.toStdString();
  // A storable text passes without a box.
  EXPECT_EQ(TypedTextToCore(nullptr, QStringLiteral("Köln")),
            std::optional<std::string>("K\xF6ln"));
}

TEST(QtText, PathsKeepTheirBytes) {
  const std::filesystem::path path("/tmp/J\xC3\xA4hrgang/JG2024.TLK");
  EXPECT_EQ(PathToQString(path), QStringLiteral("/tmp/Jährgang/JG2024.TLK"));
  EXPECT_EQ(QStringToPath(PathToQString(path)), path);
}

}  // namespace
}  // namespace tolka::ui
