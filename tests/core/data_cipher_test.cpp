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

// Known bytes, worked out by hand from the key K = 54 B3 2E 9A 61 0F C7 38 7D
// E2 15 8C 43 F9 26 and the password "geheim" (67 65 68 65 69 6D): S = 33 D6
// 46 FF 08 62. A zero byte j enciphers to S[j mod 6] ^ K[(j + 6) mod 15] ^
// (j mod 67), counted from 0. Files written with another key or another
// index could not be read by the program, so these bytes must never change.
TEST(DataCipher, EnciphersAZeroTableToTheBytesWorkedOutByHand) {
  EXPECT_EQ(ScramblePassword("geheim"), "\x33\xD6\x46\xFF\x08\x62");
  DataFileBlock neu = EmptyBlock();
  ApplyCipher(neu, ScramblePassword("geheim"), CipherVariant::Neu);
  DataFileBlock alt = EmptyBlock();
  ApplyCipher(alt, ScramblePassword("geheim"), CipherVariant::Alt);
  struct Byte {
    size_t j;
    uint8_t neu;
    uint8_t alt;
  };
  const Byte bytes[] = {
      {0, 0xF4, 0xF4},       // 33 ^ C7 (K index 6) ^ 0
      {1, 0xEF, 0xEE},       // D6 ^ 38 ^ 1
      {8, 0x68, 0x60},       // 46 ^ 26 (K index 14, the last) ^ 8
      {9, 0xA2, 0xAB},       // FF ^ 54 (K wraps to index 0) ^ 9
      {66, 0x32, 0x70},      // 33 ^ 43 (index 12) ^ 42 (66, the largest term)
      {67, 0x2F, 0x2F},      // D6 ^ F9 (index 13) ^ 0 (the term wraps)
      {159695, 0xCC, 0xEE},  // 62 ^ 8C (index 11) ^ 22 (34): the table's last byte
  };
  for (const Byte& b : bytes) {
    EXPECT_EQ(neu[b.j], b.neu) << b.j;
    EXPECT_EQ(alt[b.j], b.alt) << b.j;
  }
  EXPECT_EQ(neu[kPasswordFieldOffset], 0);  // the password field is never enciphered
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
