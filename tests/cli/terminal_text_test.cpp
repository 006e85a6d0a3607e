#include "cli/terminal_text.h"

#include <gtest/gtest.h>

namespace tolka::cli {
namespace {

TEST(TerminalText, LineBreaksAndTheCodePage) {
  // "\r" alone and CR LF both become one line break; Windows-1252 becomes UTF-8.
  EXPECT_EQ(ToTerminal("Gr\xFC\xDF\r\rzwei\r\ndrei \x80"),
            "Gr\xC3\xBC\xC3\x9F\n\nzwei\ndrei \xE2\x82\xAC");
  EXPECT_EQ(ToTerminal(""), "");
}

TEST(TerminalText, TypedTextForAMessage) {
  EXPECT_EQ(FromUtf8Lossy("M\xC3\xBCller \xE2\x82\xAC"), "M\xFCller \x80");
  // An L with stroke is not in the code page: one '?' for the character.
  EXPECT_EQ(FromUtf8Lossy("\xC5\x81ukasz"), "?ukasz");
  // Bytes that are not UTF-8: one '?' each.
  EXPECT_EQ(FromUtf8Lossy("a\xFF\xC3"), "a??");
}

}  // namespace
}  // namespace tolka::cli
