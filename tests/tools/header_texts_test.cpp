// The plain libraries (and src/app) are compiled for Windows-1252, the Qt
// layer for UTF-8.
// A string constant with letters beyond ASCII in a header that both include
// would get two different byte values (one inline definition per code page:
// an ODR violation, and the Qt layer would show mangled letters). Such texts
// belong in the libraries' .cpp files; this test scans the headers of the
// plain folders for string literals outside comments that hold any byte
// above 0x7F.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// "path:line: literal" for every string literal with a non-ASCII byte.
std::vector<std::string> NonAsciiLiterals(const fs::path& path, const std::string& text) {
  std::vector<std::string> found;
  size_t line = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n') {
      ++line;
    } else if (text.compare(i, 2, "//") == 0) {
      i = text.find('\n', i);
      if (i == std::string::npos) break;
      ++line;
    } else if (text.compare(i, 2, "/*") == 0) {
      const size_t end = text.find("*/", i + 2);
      const size_t stop = end == std::string::npos ? text.size() : end + 2;
      for (size_t k = i; k < stop; ++k) line += text[k] == '\n' ? 1 : 0;
      i = stop - 1;
    } else if (c == '"' || c == '\'') {
      size_t j = i + 1;
      bool non_ascii = false;
      while (j < text.size() && text[j] != c && text[j] != '\n') {
        non_ascii = non_ascii || static_cast<unsigned char>(text[j]) > 0x7F;
        j += text[j] == '\\' ? 2 : 1;
      }
      if (non_ascii) {
        found.push_back(path.string() + ":" + std::to_string(line) + ": " +
                        text.substr(i, j + 1 - i));
      }
      i = j;
    }
  }
  return found;
}

TEST(HeaderTexts, PlainLibraryHeadersHoldNoNonAsciiStringLiteral) {
  std::vector<std::string> found;
  for (const char* folder : {"core", "settings", "rules", "print", "exchange", "app"}) {
    const fs::path dir = fs::path(TOLKA_SOURCE_DIR) / "src" / folder;
    if (!fs::exists(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      if (entry.path().extension() != ".h") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream text;
      text << in.rdbuf();
      for (auto& hit : NonAsciiLiterals(entry.path(), text.str())) found.push_back(hit);
    }
  }
  for (const auto& hit : found) ADD_FAILURE() << hit;
}

TEST(HeaderTexts, ScannerSkipsCommentsAndFindsLiterals) {
  const std::string text =
      "// \"Größe\" in a comment\n/* \"Größe\"\n */ const char* a = \"ok\";\n"
      "const char* b = \"Gr\xc3\xb6\xc3\x9f"
      "e\";\nchar c = '\\'';\n";
  const auto found = NonAsciiLiterals("x.h", text);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].substr(0, 6), "x.h:4:");
}

}  // namespace
