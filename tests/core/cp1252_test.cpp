#include "core/cp1252.h"

#include <gtest/gtest.h>

namespace tolka::core {
namespace {

TEST(Cp1252, GermanTextRoundTrips) {
  const std::string cp = "Größe Übung ß €";  // compiled as Windows-1252
  EXPECT_EQ(cp[2], '\xF6');
  const std::string utf8 = Cp1252ToUtf8(cp);
  const std::u8string expected = u8"Größe Übung ß €";
  EXPECT_EQ(utf8, std::string(expected.begin(), expected.end()));
  EXPECT_EQ(Utf8ToCp1252(utf8), cp);
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, RefusesCharactersOutsideTheCodePage) {
  const std::u8string polish = u8"\u0141\u00f3d\u017a";  // not in the code page
  EXPECT_FALSE(Utf8ToCp1252(std::string(polish.begin(), polish.end())).has_value());
  EXPECT_FALSE(Utf8ToCp1252("\xE2\x82").has_value());  // cut sequence
  EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF").has_value());  // overlong
  EXPECT_FALSE(IsCp1252Representable(0x0141));
  EXPECT_TRUE(IsCp1252Representable(0x20AC));
}

}  // namespace
}  // namespace tolka::core
