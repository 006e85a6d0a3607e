#include "core/data_cipher.h"

#include <gtest/gtest.h>

namespace tolka::core {
namespace {

DataFileBlock PatternBlock() {
  DataFileBlock block = EmptyBlock();
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 7 + 3);
  return block;
}

TEST(DataCipher, ScramblingCutsTo15AndIsItsOwnInverse) {
  const std::string s = ScramblePassword("abcdefghijklmnopq");
  EXPECT_EQ(s.size(), 15u);
  EXPECT_EQ(ScramblePassword(s), "abcdefghijklmno");
  EXPECT_NE(s, "abcdefghijklmno");
}

TEST(DataCipher, PasswordTestNeedsLengthAndEveryByte) {
  const std::string stored = ScramblePassword("Abc4");
  EXPECT_TRUE(PasswordMatches("Abc4", stored));
  EXPECT_FALSE(PasswordMatches("Abc5", stored));
  EXPECT_FALSE(PasswordMatches("abc4", stored));
  EXPECT_FALSE(PasswordMatches("Abc4x", stored));
  EXPECT_FALSE(PasswordMatches("", stored));
}

TEST(DataCipher, NeuFollowsTheFormula) {
  const std::string s = ScramblePassword("geheim");
  DataFileBlock block = EmptyBlock();
  ApplyCipher(block, s, CipherVariant::Neu);
  DataFileBlock alt = EmptyBlock();
  ApplyCipher(alt, s, CipherVariant::Alt);
  // On zero bytes the two variants differ exactly by the positional term.
  for (size_t j : {size_t{0}, size_t{1}, size_t{66}, size_t{67}, size_t{1000}, kTableSize - 1}) {
    EXPECT_EQ(block[j] ^ alt[j], j % 67) << j;
    // The password term repeats after n = 6, the key term after 15.
    if (j + 30 < kTableSize) {
      EXPECT_EQ(alt[j], alt[j + 30]) << j;
    }
  }
  EXPECT_NE(alt[0], alt[1]);
}

TEST(DataCipher, RoundTripRestoresTheTableAndLeavesThePasswordField) {
  const DataFileBlock plain = PatternBlock();
  for (auto variant : {CipherVariant::Neu, CipherVariant::Alt}) {
    DataFileBlock block = plain;
    ApplyCipher(block, ScramblePassword("pass"), variant);
    EXPECT_NE(block, plain);
    EXPECT_TRUE(std::equal(block.begin() + kPasswordFieldOffset, block.end(),
                           plain.begin() + kPasswordFieldOffset));
    ApplyCipher(block, ScramblePassword("pass"), variant);
    EXPECT_EQ(block, plain);
  }
}

TEST(DataCipher, EmptyPasswordLeavesTheBlock) {
  DataFileBlock block = PatternBlock();
  ApplyCipher(block, "", CipherVariant::Neu);
  EXPECT_EQ(block, PatternBlock());
}

}  // namespace
}  // namespace tolka::core
